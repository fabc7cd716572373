#include "ui/trends/TrendsWindow.h"

#include "ui/application/DrawsFile.h"
#include "ui/guide/GuideSections.h"
#include "ui/trends/FiguresModel.h"
#include "ui/trends/OmissionGridModel.h"
#include "ui/trends/RuleTestPanel.h"
#include "ui/widgets/ScreenFit.h"

#include "conditions/ItemCaptions.h"
#include "trends/TrendFigures.h"

#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <array>
#include <set>

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
    // A digit is chosen by its column, a click on the header or on any of its cells.
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectColumns);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    return view;
}

// The values picked, each track's under its caption: 千位 3、7；百位 0.
QString valueList(const std::vector<trends::TrackPick>& picks)
{
    QStringList parts;
    for (const auto& pick : picks) {
        QStringList values;
        const auto captions = trends::familyInfo(trends::tracks()[std::size_t(pick.track)].family).values;
        for (int v : pick.values)
            values << qText(captions[std::size_t(v)]);
        if (!values.isEmpty())
            parts << QStringLiteral("%1 %2").arg(trackCaption(pick.track), values.join(QStringLiteral("、")));
    }
    return parts.join(QStringLiteral("；"));
}

// How 冷 and 热 are chosen, in the window's words.
constexpr const char* kColdIs = "冷：按理论该开未开的次数最多（当前遗漏 × 这个值的占比）";
constexpr const char* kHotIs = "热：开出比理论多得最多（开出 − 理论）";

} // namespace

TrendsWindow::TrendsWindow(QWidget* mainWindow, const QString& drawsPath, ConditionsLink link)
    : QWidget(mainWindow, Qt::Window),
      m_path(drawsPath),
      m_link(std::move(link))
{
    setObjectName(QStringLiteral("Ftrends"));
    setWindowTitle(QStringLiteral("走势"));
    setProperty(guide::kSectionProperty, guide::kTrends);
    auto* tabs = m_tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("trends_tabs"));
    for (int p = 1; p <= 4; ++p) {
        m_grids.push_back(new OmissionGridModel(this));
        m_gridViews.push_back(gridView(m_grids.back(), p));
        tabs->addTab(m_gridViews.back(), qText(captions::kPositions[std::size_t(p - 1)]) + QStringLiteral("走势"));
    }
    tabs->addTab(buildFigures(), QStringLiteral("冷热统计"));
    m_ruleTest = new RuleTestPanel(m_link.conditions ? m_link.conditions : [] { return ConditionInputs{}; });
    tabs->addTab(m_ruleTest, QStringLiteral("规则检验"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildControls());
    layout->addWidget(tabs, 1);
    QWidget* kills = buildKillButtons();
    layout->addWidget(kills);
    // The rule test has its own rules: the kill buttons are for what is chosen on the others.
    connect(tabs, &QTabWidget::currentChanged, kills, [kills, this](int page) {
        kills->setVisible(m_tabs->widget(page) != m_ruleTest);
        refreshRuleButtons(); // the track shown changed
    });
    refreshRuleButtons();
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
    m_coldHot->setToolTip(QStringLiteral("标出按理论该开未开次数最多的 K 个为冷，开出比理论多得最多的 K 个为热"));
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
    auto* table = m_table = new QTableView;
    table->setObjectName(QStringLiteral("trends_table"));
    table->setModel(sorted);
    table->setSortingEnabled(true);
    table->sortByColumn(0, Qt::AscendingOrder);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    // How 冷 and 热 are chosen, said beside the tables that mark them.
    auto* rule = new QLabel(QStringLiteral("%1；%2。").arg(QString::fromUtf8(kColdIs), QString::fromUtf8(kHotIs)));
    rule->setObjectName(QStringLiteral("trends_cold_hot_rule"));
    rule->setWordWrap(true);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(controls);
    layout->addWidget(rule);
    layout->addWidget(table, 1);
    connect(m_family, &QComboBox::currentIndexChanged, this, &TrendsWindow::refreshFigures);
    connect(m_coldHot, &QSpinBox::valueChanged, this, &TrendsWindow::refreshFigures);
    return page;
}

QWidget* TrendsWindow::buildKillButtons()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto add = [&](const char* name, const QString& caption, const QString& tip, auto slot) {
        auto* b = new QPushButton(caption);
        b->setObjectName(QLatin1String(name));
        b->setToolTip(tip);
        b->setEnabled(bool(m_link.applyPicks));
        connect(b, &QPushButton::clicked, this, slot);
        layout->addWidget(b);
        return b;
    };
    add("trends_kill_chosen", QStringLiteral("杀掉所选(&D)"),
        QStringLiteral("在主窗口勾上所选数值的杀号框（和值写入杀和值）；主窗口的撤销可退回"), [this] { killChosen(); });
    // Their captions and tips name what they kill (refreshRuleButtons).
    m_killCold = add("trends_kill_cold", {}, {}, [this] { killByRule(trends::Leaning::cold); });
    m_killHot = add("trends_kill_hot", {}, {}, [this] { killByRule(trends::Leaning::hot); });
    m_note = new QLabel;
    m_note->setObjectName(QStringLiteral("trends_kill_note"));
    m_note->setWordWrap(true);
    layout->addWidget(m_note, 1);
    return row;
}

// The track of the page shown: a position's grid, or the family chosen over the figures.
int TrendsWindow::shownTrack() const
{
    const int page = m_tabs->currentIndex();
    return page < int(m_gridViews.size()) ? trends::trackOf(trends::Family::position, page + 1)
                                          : m_family->currentIndex();
}

std::vector<trends::TrackPick> TrendsWindow::chosenValues() const
{
    const int page = m_tabs->currentIndex();
    std::set<int> values;
    if (page < int(m_gridViews.size())) {
        for (const QModelIndex& index : m_gridViews[std::size_t(page)]->selectionModel()->selectedIndexes())
            values.insert(index.column());
    } else {
        const auto* sorted = static_cast<const QSortFilterProxyModel*>(m_table->model());
        for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
            values.insert(sorted->mapToSource(index).row());
    }
    if (values.empty())
        return {};
    return {{shownTrack(), std::vector<int>(values.begin(), values.end())}};
}

void TrendsWindow::killChosen()
{
    const auto picks = chosenValues();
    if (picks.empty()) {
        m_note->setText(QStringLiteral("先在走势图里点选数字（列头或格子），或在冷热统计里选中行。"));
        return;
    }
    apply(QStringLiteral("杀掉所选（走势）"), picks);
}

trends::Rule TrendsWindow::shownRule(trends::Leaning leaning) const
{
    return trends::trackRule(shownTrack(), leaning, m_coldHot->value());
}

std::vector<trends::TrackPick> TrendsWindow::rulePicks(trends::Leaning leaning) const
{
    if (m_figuresNow.draws == 0)
        return {};
    return trends::pickRule(shownRule(leaning), [this](int track) { return m_figuresNow.countsOf(track); });
}

void TrendsWindow::killByRule(trends::Leaning leaning)
{
    const auto picks = rulePicks(leaning);
    if (picks.empty()) {
        m_note->setText(QStringLiteral("还没有开奖号码，冷热无从算起。"));
        return;
    }
    const trends::Rule rule = shownRule(leaning);
    apply(QStringLiteral("杀%1 %2 个 %3（走势）")
              .arg(leaning == trends::Leaning::cold ? QStringLiteral("冷") : QStringLiteral("热"))
              .arg(rule.count)
              .arg(qText(trends::ruleCaption(rule))),
          picks);
}

void TrendsWindow::refreshRuleButtons()
{
    for (const auto leaning : {trends::Leaning::cold, trends::Leaning::hot}) {
        const bool cold = leaning == trends::Leaning::cold;
        QPushButton* b = cold ? m_killCold : m_killHot;
        const QString name = cold ? QStringLiteral("杀冷") : QStringLiteral("杀热");
        const QString mnemonic = cold ? QStringLiteral("(&L)") : QStringLiteral("(&R)");
        const QString how = QString::fromUtf8(cold ? kColdIs : kHotIs);
        const auto picks = rulePicks(leaning);
        if (picks.empty()) {
            b->setText(QStringLiteral("%1 K%2").arg(name, mnemonic));
            b->setToolTip(QStringLiteral("还没有开奖号码，冷热无从算起。%1").arg(how));
            continue;
        }
        // The values on the button while they are no wider than three sums, else how many;
        // the tip names them all.
        const trends::Rule rule = shownRule(leaning);
        const QString values = valueList(picks);
        const QFontMetrics metrics = b->fontMetrics();
        const QString shown =
            metrics.horizontalAdvance(values) <= metrics.horizontalAdvance(QStringLiteral("和值 00、01、02"))
                ? values
                : QStringLiteral("%1 %2 个").arg(qText(trends::ruleCaption(rule))).arg(picks.front().values.size());
        b->setText(QStringLiteral("%1 %2：%3%4").arg(name).arg(rule.count).arg(shown, mnemonic));
        b->setToolTip(QStringLiteral("在主窗口杀掉%1：%2。%3；主窗口的撤销可退回")
                          .arg(cold ? QStringLiteral("最冷的") : QStringLiteral("最热的"), values, how));
    }
}

void TrendsWindow::apply(const QString& step, const std::vector<trends::TrackPick>& picks)
{
    const QString values = valueList(picks);
    if (!m_link.applyPicks(step, picks))
        m_note->setText(QStringLiteral("主窗口已杀掉这些数值，条件未变：%1").arg(values));
    else
        m_note->setText(QStringLiteral("已在主窗口杀掉 %1（主窗口 编辑 → 撤销 可退回）").arg(values));
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
    const DrawsLayout layout = drawsLayoutInForce();
    if (text == m_text && layout == m_layout && !m_draws.empty())
        return;
    m_text = text;
    m_layout = layout;
    auto reading = readWindowDraws(text, layout);
    m_draws = std::move(reading.draws);
    m_ruleTest->setDraws(m_draws);
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
    m_figuresNow = trends::windowFigures(draws);
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
    m_figures->setFigures(m_figuresNow, m_family->currentIndex(), m_coldHot->value());
    refreshRuleButtons();
}

} // namespace shrink4
