#include "StatsWindow.h"

#include "ui/application/TableExport.h"
#include "ui/guide/GuideSections.h"
#include "ui/stats/HistogramChart.h"
#include "ui/main/LiveRun.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/ScreenFit.h"
#include "ui/widgets/SortArrows.h"
#include "engine/Statistics.h"
#include "ui/widgets/textbox/TextBox.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <array>

namespace shrink4 {

namespace {

struct Column {
    const char* caption;
    const char* tooltip;
    Qt::SortOrder firstOrder; // counts sort the largest first
};

constexpr std::array<Column, 5> kColumns = {{
    {"序", "条件在缩水中的次序", Qt::AscendingOrder},
    {"条件", "", Qt::AscendingOrder},
    {"删除", "0000–9999 中此条件不符的号码数", Qt::DescendingOrder},
    {"大底内删除", "大底内此条件不符的号码数", Qt::DescendingOrder},
    {"仅此删除", "大底内只有此条件不符的号码数：总容错为 0 时，关掉它能多留下的注数", Qt::DescendingOrder},
}};

constexpr int kNumbersPerLine = 10;

QStandardItem* numberItem(int value)
{
    auto* item = new QStandardItem;
    item->setData(value, Qt::DisplayRole); // sorts as a number
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

NumberSet poolNumbersFailed(const RunResult& run, int failures)
{
    return run.failCount.equals(failures).minus(run.outsidePool);
}

// The verdict decides by the failure count alone: a count is kept when any number with
// it is.
std::vector<bool> keptCounts(const RunResult& run, std::size_t size)
{
    std::vector<bool> kept(size);
    for (std::size_t k = 0; k < size; ++k)
        kept[k] = !(run.failCount.equals(int(k)) & run.verdict).empty();
    return kept;
}

QString toleranceText(const LiveState& state)
{
    return QStringLiteral("过滤条件总容错 %1 至 %2").arg(state.toleranceLow).arg(state.toleranceHigh);
}

QString summaryText(const LiveState& state, const RunStatistics& stats)
{
    QString text = QStringLiteral("按现在的条件：剩余 %1 注，大底 %2 注，参与的条件 %3 项，%4。")
                       .arg(stats.count)
                       .arg(stats.pool)
                       .arg(stats.rows.size())
                       .arg(toleranceText(state));
    if (stats.pool == 0)
        text += QStringLiteral("大底里没有一个号码，缩水不会留下号码。");
    else if (state.run.conditionCount == 0)
        text += QStringLiteral("没有起作用的条件：大底的号码全部保留，容错不起作用。");
    else if (stats.count == stats.pool)
        text += QStringLiteral("容错把所有失败次数都包括在内：条件没有删去任何号码。");
    return text;
}

QString histogramTitle(const LiveState& state, const RunStatistics& stats)
{
    if (stats.pool == 0)
        return QStringLiteral("大底为空：没有号码可以统计");
    // Two lines: the chart is often too narrow for both on one.
    return QStringLiteral("大底号码的不符条件数分布\n（%1）").arg(toleranceText(state));
}

QString numbersText(const NumberSet& numbers)
{
    QString text;
    int inLine = 0;
    numbers.forEach([&](int v) {
        text += fourDigits(v);
        text += ++inLine % kNumbersPerLine == 0 ? QLatin1Char('\n') : QLatin1Char(' ');
    });
    return text;
}

} // namespace

StatsWindow::StatsWindow(QWidget* mainWindow, LiveRun& live)
    : QWidget(mainWindow, Qt::Window),
      m_live(live)
{
    setObjectName(QStringLiteral("Ftongji"));
    setWindowTitle(QStringLiteral("统计"));
    setProperty(guide::kSectionProperty, guide::kStats);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("L_tongji_summary"));
    m_summary->setWordWrap(true);

    m_noRows =
        new QLabel(QStringLiteral("没有参与的条件：在主窗口输入或勾选条件后，这里列出每个条件删除的号码数。"), this);
    m_noRows->setWordWrap(true);
    m_model = new QStandardItemModel(0, int(kColumns.size()), this);
    for (int c = 0; c < int(kColumns.size()); ++c) {
        const Column& column = kColumns[std::size_t(c)];
        auto* header = new QStandardItem(QString::fromUtf8(column.caption));
        header->setToolTip(QString::fromUtf8(column.tooltip));
        header->setData(int(column.firstOrder), Qt::InitialSortOrderRole);
        m_model->setHorizontalHeaderItem(c, header);
    }
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("tongji_table"));
    m_table->setModel(m_model);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(0, Qt::AscendingOrder);
    showSortArrows(m_table->horizontalHeader());
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);

    m_chart = new HistogramChart(this);
    m_chart->setObjectName(QStringLiteral("tongji_chart"));
    m_chart->setMinimumSize(300, 200);
    connect(m_chart, &HistogramChart::barClicked, this, &StatsWindow::listNumbers);
    m_numbersCaption = new QLabel(QStringLiteral("点击柱子列出它的号码"), this);
    m_numbersCaption->setObjectName(QStringLiteral("L_tongji_numbers"));
    m_numbersCaption->setWordWrap(true);
    m_numbers = new TextBox(this);
    m_numbers->setObjectName(QStringLiteral("T_tongji_numbers"));
    m_numbers->setReadOnly(true);

    auto* left = new QWidget;
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(m_noRows);
    leftLayout->addWidget(m_table, 1);
    QPushButton* exportTable = makeTableExportButton(this, *m_table->model(), QStringLiteral("统计"));
    exportTable->setObjectName(QStringLiteral("tongji_export"));
    leftLayout->addWidget(exportTable, 0, Qt::AlignRight);
    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(m_chart, 3);
    rightLayout->addWidget(m_numbersCaption);
    rightLayout->addWidget(m_numbers, 1);
    auto* split = new QSplitter(Qt::Horizontal);
    split->addWidget(left);
    split->addWidget(right);
    split->setStretchFactor(1, 1);
    split->setSizes({420, 540}); // every column of the table in view
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(split, 1);

    connect(&live, &LiveRun::updated, this, [this](const LiveState& state) {
        if (isVisible())
            showState(state);
        else
            m_stale = true;
    });
    // Roomy, but never larger than a small screen at a large scale.
    resize(fittedWindowSize(this, QSize(960, 600)));
}

void StatsWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_live.current(); // a run still waiting or going is made now, and shown as it updates
    if (m_stale)
        showState(m_live.state());
}

void StatsWindow::showState(const LiveState& state)
{
    m_stale = false;
    const RunStatistics stats = runStatistics(state.run);
    m_summary->setText(summaryText(state, stats));
    fillTable(stats);
    m_noRows->setVisible(stats.rows.empty());
    m_chart->showBars({stats.histogram, keptCounts(state.run, stats.histogram.size()), histogramTitle(state, stats)});
    listNumbers(m_chosenBar < int(stats.histogram.size()) ? m_chosenBar : -1);
}

void StatsWindow::fillTable(const RunStatistics& stats)
{
    m_model->setRowCount(0);
    int order = 0;
    for (const RowStatistics& row : stats.rows) {
        auto* caption = new QStandardItem(toQString(row.caption));
        caption->setToolTip(QString::fromStdString(row.key));
        m_model->appendRow(
            {numberItem(++order), caption, numberItem(row.kills), numberItem(row.killsInPool), numberItem(row.only)});
    }
    // The player's chosen order holds while the conditions change.
    const QHeaderView* header = m_table->horizontalHeader();
    m_model->sort(header->sortIndicatorSection(), header->sortIndicatorOrder());
}

void StatsWindow::listNumbers(int failures)
{
    m_chosenBar = failures;
    m_chart->markBar(failures);
    if (failures < 0) {
        m_numbersCaption->setText(QStringLiteral("点击柱子列出它的号码"));
        m_numbers->setPlainText(QString());
        return;
    }
    const RunResult& run = m_live.state().run;
    const NumberSet numbers = poolNumbersFailed(run, failures);
    const bool kept = !(numbers & run.verdict).empty();
    m_numbersCaption->setText(QStringLiteral("大底内不符 %1 项条件的号码：%2 注（%3）")
                                  .arg(failures)
                                  .arg(numbers.count())
                                  .arg(kept ? QStringLiteral("在容错内，保留") : QStringLiteral("在容错外，删除")));
    m_numbers->setPlainText(numbersText(numbers));
}

} // namespace shrink4
