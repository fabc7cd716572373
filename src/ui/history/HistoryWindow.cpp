#include "HistoryWindow.h"

#include "ui/application/TableExport.h"
#include "ui/guide/GuideSections.h"
#include "ui/history/BacktestCharts.h"
#include "ui/history/BacktestModel.h"
#include "ui/history/DrawsPanel.h"
#include "ui/history/HistoryTexts.h"
#include "ui/application/PrizeSetting.h"
#include "ui/main/LiveRun.h"
#include "scheme/PrizeTableFile.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/charts/BarChart.h"
#include "ui/widgets/ScreenFit.h"
#include "ui/widgets/SortArrows.h"
#include "ui/widgets/TypedSpinBox.h"

#include "engine/Statistics.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

namespace shrink4 {

namespace {

// The condition chart's height: title, axis and legend, and a bar per condition.
constexpr int kRatesChartFrame = 150;
constexpr int kRatesBarHeight = 26;

charts::BarChart* makeChart(QWidget* parent, const QString& name, Qt::Orientation bars)
{
    auto* chart = new charts::BarChart(bars, parent);
    chart->setObjectName(name);
    return chart;
}

QSpinBox* makeLastSpin(QWidget* parent)
{
    auto* spin = new TypedSpinBox(parent);
    spin->setObjectName(QStringLiteral("history_last"));
    spin->setRange(0, 999999);
    spin->setSpecialValueText(texts::kLastAll);
    spin->setSuffix(texts::kLastSuffix);
    spin->setToolTip(QStringLiteral("0 或留空：全部开奖号码"));
    return spin;
}

// Bold under the summary: the figures' meaning, said once, where a player looks.
QLabel* makeVerdictLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("history_verdict"));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QTableView* makeTable(QWidget* parent, BacktestModel* model)
{
    auto* sorted = new QSortFilterProxyModel(parent);
    sorted->setSourceModel(model);
    sorted->setSortRole(BacktestModel::kSortRole);
    auto* table = new QTableView(parent);
    table->setObjectName(QStringLiteral("history_table"));
    table->setModel(sorted);
    table->setSortingEnabled(true);
    table->sortByColumn(BacktestModel::Label, Qt::DescendingOrder);
    showSortArrows(table->horizontalHeader());
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setAlternatingRowColors(true);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    auto* header = table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(true);
    return table;
}

// Narrow columns as wide as their header or widest text. Measured once from the longest
// label: Qt's resize-to-contents lays out a thousand rows on every change.
void fitColumns(QTableView* table, const std::vector<DrawOutcome>& outcomes)
{
    std::size_t longest = 1;
    for (const auto& o : outcomes)
        longest = std::max(longest, o.draw.label ? o.draw.label->size() : 1);
    const QFontMetrics metrics = table->fontMetrics();
    const int padding = 2 * metrics.horizontalAdvance(QLatin1Char('0'));
    const QString widest[] = {QString(qsizetype(longest), QLatin1Char('0')),
                              QStringLiteral("0000"),
                              texts::kListedMark,
                              QStringLiteral("00"),
                              QStringLiteral("000000"),
                              QStringLiteral("00000"),
                              QStringLiteral("+000000")};
    auto* header = table->horizontalHeader();
    const auto* model = static_cast<const QSortFilterProxyModel*>(table->model());
    const auto* captions = static_cast<const BacktestModel*>(model->sourceModel());
    for (int column = 0; column < BacktestModel::Failed; ++column)
        header->resizeSection(column, padding
                                          + std::max(header->fontMetrics().horizontalAdvance(captions->caption(column)),
                                                     metrics.horizontalAdvance(widest[column])));
}

struct RowCaptions {
    QStringList inOrder;           // run order
    QHash<QString, QString> byKey; // row key -> caption
};

RowCaptions rowCaptions(const RunResult& run)
{
    RowCaptions captions;
    for (const ConditionRow& row : run.rows) {
        captions.inOrder << toQString(rowCaption(row));
        captions.byKey.insert(toQString(rowKey(row)), captions.inOrder.back());
    }
    return captions;
}

QString noDrawsText()
{
    return QStringLiteral(
               "还没有开奖号码：在左边粘贴或导入过去的开奖号码（每行一期，如 2024001 1234），"
               "再按【%1】。")
        .arg(texts::kApplyDraws);
}

} // namespace

HistoryWindow::HistoryWindow(QWidget* mainWindow, LiveRun& live, const QString& drawsPath, PrizeSetting& prizes)
    : QWidget(mainWindow, Qt::Window),
      m_live(live),
      m_prizes(prizes)
{
    setObjectName(QStringLiteral("Fhistory"));
    setWindowTitle(texts::kHistoryTitle);
    setProperty(guide::kSectionProperty, guide::kHistory);
    // Closing only hides the window: the draws and the view wait for the next opening.

    m_draws = new DrawsPanel(this);
    if (!drawsPath.isEmpty())
        m_draws->setKeptFile(drawsPath);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(m_draws);
    splitter->addWidget(buildResults());
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    splitter->setSizes({230, 790});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    // Hidden, it waits: showing it takes the conditions as they then stand.
    connect(&live, &LiveRun::updated, this, &HistoryWindow::refresh);
    connect(m_draws, &DrawsPanel::drawsChanged, this, &HistoryWindow::refresh);
    connect(m_last, &QSpinBox::textChanged, this, &HistoryWindow::refresh);
    connect(&prizes, &PrizeSetting::changed, this, &HistoryWindow::refresh);
    resize(fittedWindowSize(this, QSize(1040, 640)));
}

QWidget* HistoryWindow::buildResults()
{
    auto* results = new QWidget(this);
    m_last = makeLastSpin(results);
    m_summary = new QLabel(results);
    m_summary->setObjectName(QStringLiteral("history_summary"));
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_verdict = makeVerdictLabel(results);
    m_model = new BacktestModel(this);
    m_table = makeTable(results, m_model);
    m_timeline = makeChart(results, QStringLiteral("history_timeline"), Qt::Vertical);
    m_rates = makeChart(results, QStringLiteral("history_rates"), Qt::Horizontal);

    m_reason = new QLabel(results);
    m_reason->setObjectName(QStringLiteral("history_reason"));
    m_reason->setWordWrap(true);
    m_reason->setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &HistoryWindow::showReason);
    auto* drawsTab = new QWidget(results);
    auto* drawsColumn = new QVBoxLayout(drawsTab);
    drawsColumn->setContentsMargins(0, 0, 0, 0);
    drawsColumn->addWidget(m_table, 1);
    drawsColumn->addWidget(m_reason);

    auto* tabs = new QTabWidget(results);
    tabs->setObjectName(QStringLiteral("history_tabs"));
    tabs->addTab(drawsTab, texts::kChartTabs[0]);
    tabs->addTab(m_timeline, texts::kChartTabs[1]);
    // Each condition keeps a readable bar however many take part: the chart scrolls.
    auto* ratesScroll = new QScrollArea(results);
    ratesScroll->setWidgetResizable(true);
    ratesScroll->setFrameShape(QFrame::NoFrame);
    ratesScroll->setWidget(m_rates);
    tabs->addTab(ratesScroll, texts::kChartTabs[2]);

    auto* lastRow = new QHBoxLayout;
    lastRow->addWidget(new QLabel(texts::kLastCaption, results));
    lastRow->addWidget(m_last);
    lastRow->addStretch(1);
    auto* trends = new QPushButton(QStringLiteral("看走势(&T)"), results);
    trends->setObjectName(QStringLiteral("history_trends"));
    trends->setToolTip(QStringLiteral("保存的开奖号码的走势图和冷热"));
    connect(trends, &QPushButton::clicked, this, &HistoryWindow::trendsAsked);
    lastRow->addWidget(trends);
    QPushButton* exportTable = makeTableExportButton(this, *m_table->model(), QStringLiteral("历史回测"));
    exportTable->setObjectName(QStringLiteral("history_export"));
    lastRow->addWidget(exportTable);
    auto* column = new QVBoxLayout(results);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(lastRow);
    column->addWidget(m_summary);
    column->addWidget(m_verdict);
    column->addWidget(tabs, 1);
    return results;
}

void HistoryWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refresh();
}

std::vector<Draw> HistoryWindow::drawsInView() const
{
    const auto& all = m_draws->draws();
    const int last = m_last->cleanText().trimmed().isEmpty() ? 0 : m_last->value();
    if (last <= 0 || std::size_t(last) >= all.size())
        return all;
    return {all.end() - last, all.end()};
}

void HistoryWindow::refresh()
{
    if (!isVisible())
        return;
    const RunResult& run = m_live.current().run;
    const std::vector<Draw> draws = drawsInView();
    m_backtest = draws.empty() ? Backtest{} : shrink4::backtest(run, draws);
    const RowCaptions rows = rowCaptions(run);
    const PrizeTable& prizes = m_prizes.table();
    const NumberSet listed = run.verdict.minus(run.outsidePool);
    BacktestModel::Money money{{}, listed.count() * prizes.price, QString::fromStdString(prizes.currency)};
    const DrawPayouts& payouts = payoutsOf(listed);
    for (const DrawOutcome& o : m_backtest.outcomes)
        money.paid.push_back(payouts.paid[std::size_t(o.draw.number)]);
    const double paid = std::accumulate(money.paid.begin(), money.paid.end(), 0.0);
    const double cost = money.cost * double(money.paid.size());
    // What as many draws give on average, every number alike likely: the figure to hold the
    // past against.
    const double expectedReturn = std::accumulate(payouts.paid.begin(), payouts.paid.end(), 0.0) / kNumberCount;
    const double expectedNet = (expectedReturn - money.cost) * double(money.paid.size());
    m_model->setOutcomes(m_backtest.outcomes, rows.byKey, std::move(money));
    fitColumns(m_table, m_backtest.outcomes);
    m_summary->setText(draws.empty() ? noDrawsText()
                                     : texts::backtestSummaryText(m_backtest.summary, int(m_draws->draws().size()))
                                           + QLatin1Char('\n')
                                           + texts::backtestMoneyText(paid, cost, expectedNet, listed.count(), prizes));
    m_verdict->setText(draws.empty() ? QString() : texts::backtestVerdictText(m_backtest.summary));
    drawTimeline(m_timeline, m_backtest);
    drawConditionRates(m_rates, m_backtest, rows.inOrder);
    const int bars = int(m_backtest.rows.size()) + (m_backtest.summary.outsidePool > 0 ? 1 : 0);
    m_rates->setMinimumHeight(kRatesChartFrame + kRatesBarHeight * bars);
    showReason(m_table->currentIndex());
}

const DrawPayouts& HistoryWindow::payoutsOf(const NumberSet& listed)
{
    const QByteArray table = serializePrizeTable(m_prizes.table());
    if (m_payouts.paid.empty() || listed != m_paidFor || table != m_paidTable) {
        m_payouts = drawPayouts(listed, m_prizes.table());
        m_paidFor = listed;
        m_paidTable = table;
    }
    return m_payouts;
}

// The chosen draw's whole reason, wrapped: the table's column cuts it short.
void HistoryWindow::showReason(const QModelIndex& current)
{
    const QAbstractItemModel* model = m_table->model();
    if (!current.isValid()) {
        m_reason->setText(texts::kChooseDraw);
        return;
    }
    const auto cell = [&](int column) { return model->index(current.row(), column).data().toString(); };
    const QString reason = cell(BacktestModel::Failed);
    m_reason->setText(QStringLiteral("%1 %2：%3")
                          .arg(cell(BacktestModel::Label), cell(BacktestModel::Number),
                               reason.isEmpty() ? QStringLiteral("没有不符的条件") : reason));
}

} // namespace shrink4
