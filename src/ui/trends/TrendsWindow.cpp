#include "ui/trends/TrendsWindow.h"

#include "ui/application/DrawsFile.h"
#include "ui/guide/GuideSections.h"
#include "ui/trends/FiguresModel.h"
#include "ui/trends/OmissionGridModel.h"
#include "ui/widgets/ScreenFit.h"

#include "conditions/ItemCaptions.h"
#include "trends/TrendFigures.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <array>

namespace shrink4 {

namespace {

struct WindowChoice {
    const char* caption;
    int draws; // 0: all
};

constexpr std::array<WindowChoice, 5> kWindowChoices = {{
    {"最近 30 期", 30},
    {"最近 50 期", 50},
    {"最近 100 期", 100},
    {"最近 300 期", 300},
    {"全部", 0},
}};
constexpr int kDefaultChoice = 2;

QString qText(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString trackCaption(int track)
{
    const auto& t = trends::tracks()[std::size_t(track)];
    if (t.family == trends::Family::position)
        return qText(captions::kPositions[std::size_t(t.position - 1)]);
    return qText(trends::familyInfo(t.family).caption);
}

QString labelOf(const Draw& draw)
{
    return draw.label ? QString::fromStdString(*draw.label) : QStringLiteral("第 %1 行").arg(draw.line);
}

QTableView* gridView(OmissionGridModel* model, int position)
{
    auto* view = new QTableView;
    view->setObjectName(QStringLiteral("trends_grid_%1").arg(position));
    view->setModel(model);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    return view;
}

} // namespace

TrendsWindow::TrendsWindow(QWidget* mainWindow, const QString& drawsPath)
    : QWidget(mainWindow, Qt::Window),
      m_path(drawsPath)
{
    setObjectName(QStringLiteral("Ftrends"));
    setWindowTitle(QStringLiteral("走势"));
    setProperty(guide::kSectionProperty, guide::kTrends);
    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("trends_tabs"));
    for (int p = 1; p <= 4; ++p) {
        m_grids.push_back(new OmissionGridModel(this));
        m_gridViews.push_back(gridView(m_grids.back(), p));
        tabs->addTab(m_gridViews.back(), qText(captions::kPositions[std::size_t(p - 1)]) + QStringLiteral("走势"));
    }
    tabs->addTab(buildFigures(), QStringLiteral("冷热统计"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildControls());
    layout->addWidget(tabs, 1);
    resize(fittedWindowSize(this, QSize(760, 640)));
}

QWidget* TrendsWindow::buildControls()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_last = new QComboBox;
    m_last->setObjectName(QStringLiteral("trends_last"));
    m_last->setToolTip(QStringLiteral("走势图和统计所用的期数"));
    for (const auto& choice : kWindowChoices)
        m_last->addItem(QString::fromUtf8(choice.caption), choice.draws);
    m_last->setCurrentIndex(kDefaultChoice);
    auto* caption = new QLabel(QStringLiteral("期数(&N)："));
    caption->setBuddy(m_last);
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("trends_status"));
    m_status->setWordWrap(true);
    layout->addWidget(caption);
    layout->addWidget(m_last);
    layout->addWidget(m_status, 1);
    connect(m_last, &QComboBox::currentIndexChanged, this, &TrendsWindow::refresh);
    return row;
}

QWidget* TrendsWindow::buildFigures()
{
    auto* page = new QWidget;
    m_family = new QComboBox;
    m_family->setObjectName(QStringLiteral("trends_family"));
    for (int track = 0; track < trends::kTrackCount; ++track)
        m_family->addItem(trackCaption(track));
    m_coldHot = new QSpinBox;
    m_coldHot->setObjectName(QStringLiteral("trends_cold_hot_count"));
    m_coldHot->setRange(1, 81);
    m_coldHot->setValue(3);
    m_coldHot->setToolTip(QStringLiteral("标出当前遗漏最大的 K 个为冷，开出最多的 K 个为热"));
    auto* familyCaption = new QLabel(QStringLiteral("类别(&F)："));
    familyCaption->setBuddy(m_family);
    auto* countCaption = new QLabel(QStringLiteral("冷热个数 K(&K)："));
    countCaption->setBuddy(m_coldHot);
    auto* controls = new QHBoxLayout;
    controls->addWidget(familyCaption);
    controls->addWidget(m_family);
    controls->addSpacing(16);
    controls->addWidget(countCaption);
    controls->addWidget(m_coldHot);
    controls->addStretch(1);

    m_figures = new FiguresModel(this);
    auto* sorted = new QSortFilterProxyModel(this);
    sorted->setSourceModel(m_figures);
    sorted->setSortRole(FiguresModel::kSortRole);
    auto* table = new QTableView;
    table->setObjectName(QStringLiteral("trends_table"));
    table->setModel(sorted);
    table->setSortingEnabled(true);
    table->sortByColumn(0, Qt::AscendingOrder);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(controls);
    layout->addWidget(table, 1);
    connect(m_family, &QComboBox::currentIndexChanged, this, &TrendsWindow::refreshFigures);
    connect(m_coldHot, &QSpinBox::valueChanged, this, &TrendsWindow::refreshFigures);
    return page;
}

void TrendsWindow::showEvent(QShowEvent* event)
{
    reloadDraws();
    QWidget::showEvent(event);
}

void TrendsWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        reloadDraws();
    QWidget::changeEvent(event);
}

void TrendsWindow::reloadDraws()
{
    const DrawsFileText kept = readKeptDraws(m_path);
    const QString text = kept.text.value_or(QString());
    if (text == m_text && !m_draws.empty())
        return;
    m_text = text;
    const QByteArray utf8 = text.toUtf8();
    auto reading = readDraws(std::string_view(utf8.constData(), std::size_t(utf8.size())));
    m_draws = std::move(reading.draws);
    refresh();
}

std::vector<Draw> TrendsWindow::window() const
{
    const int last = m_last->currentData().toInt();
    const auto first = last > 0 && std::size_t(last) < m_draws.size() ? m_draws.end() - last : m_draws.begin();
    return std::vector<Draw>(first, m_draws.end());
}

void TrendsWindow::refresh()
{
    const auto draws = window();
    m_status->setText(
        draws.empty()
            ? QStringLiteral("还没有开奖号码：在 分析 → 历史回测 里粘贴或导入往期开奖号码。")
            : QStringLiteral("%1 期，%2 至 %3").arg(draws.size()).arg(labelOf(draws.front()), labelOf(draws.back())));
    auto grids = trends::positionOmissions(draws);
    for (std::size_t p = 0; p < m_grids.size(); ++p) {
        m_grids[p]->setGrid(std::move(grids[p]), draws);
        m_gridViews[p]->scrollToBottom(); // the latest draw, as the player looks for it first
    }
    refreshFigures();
}

void TrendsWindow::refreshFigures()
{
    m_figures->setFigures(trends::windowFigures(window()), m_family->currentIndex(), m_coldHot->value());
}

} // namespace shrink4
