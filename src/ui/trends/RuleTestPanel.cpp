#include "ui/trends/RuleTestPanel.h"

#include "ui/widgets/HitRateTexts.h"
#include "ui/widgets/charts/LineChart.h"

#include <QComboBox>
#include <QFutureWatcher>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <utility>

namespace shrink4 {

namespace {

QString percent(const std::optional<double>& rate)
{
    return rate ? QStringLiteral("%1%").arg(*rate * 100.0, 0, 'f', 2) : QStringLiteral("—");
}

QString qText(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString ruleListCaption(const trends::Rule& rule)
{
    return QStringLiteral("%1 %2 %3 个")
        .arg(qText(trends::ruleCaption(rule)),
             rule.leaning == trends::Leaning::cold ? QStringLiteral("杀冷") : QStringLiteral("杀热"))
        .arg(rule.count);
}

QSpinBox* spin(const QString& name, int low, int high, int value)
{
    auto* box = new QSpinBox;
    box->setObjectName(name);
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

// The running hit rates after each tested draw: the rules', a random pick's, the scheme's alone.
struct RunningRates {
    QStringList labels;
    QList<qreal> rules, random;
};

RunningRates runningRates(const trends::WalkForward& test)
{
    RunningRates rates;
    int listed = 0;
    double survivors = 0;
    for (const trends::TestedDraw& t : test.draws) {
        listed += t.listed ? 1 : 0;
        survivors += t.survivors;
        const auto n = qreal(rates.rules.size() + 1);
        rates.labels << (t.draw.label ? QString::fromStdString(*t.draw.label) : QString::number(t.draw.line));
        rates.rules << 100.0 * listed / n;
        rates.random << 100.0 * survivors / 10000.0 / n;
    }
    return rates;
}

} // namespace

RuleTestPanel::RuleTestPanel(std::function<ConditionInputs()> conditions, QWidget* parent)
    : QWidget(parent),
      m_conditions(std::move(conditions))
{
    setObjectName(QStringLiteral("trends_rule_test"));
    m_summary = new QLabel(QStringLiteral("选好规则、W 和期数，按【开始检验】。"));
    m_summary->setObjectName(QStringLiteral("rule_test_summary"));
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_verdict = new QLabel;
    m_verdict->setObjectName(QStringLiteral("rule_test_verdict"));
    m_verdict->setWordWrap(true);
    QFont bold = m_verdict->font();
    bold.setBold(true);
    m_verdict->setFont(bold);
    m_chart = new charts::LineChart;
    m_chart->setObjectName(QStringLiteral("rule_test_chart"));
    m_chart->setTitle(QStringLiteral("累计命中率：规则与随机选同样注数"));
    m_chart->setAxisTitles(QStringLiteral("检验的期"), QStringLiteral("命中率"));
    m_chart->setValueSuffix(QStringLiteral("%"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildRuleRow());
    layout->addWidget(buildTestRow());
    layout->addWidget(m_summary);
    layout->addWidget(m_verdict);
    layout->addWidget(m_chart, 1);
}

QWidget* RuleTestPanel::buildRuleRow()
{
    m_family = new QComboBox;
    m_family->setObjectName(QStringLiteral("rule_family"));
    // Every family, and after 定位 (each position) its four positions alone.
    const auto addScope = [this](trends::Family family, int position) {
        m_scopes.push_back({family, trends::Leaning::cold, 1, position});
        m_family->addItem(qText(trends::ruleCaption(m_scopes.back())));
    };
    for (int f = 0; f < trends::kFamilyCount; ++f) {
        addScope(trends::Family(f), 0);
        if (trends::Family(f) == trends::Family::position)
            for (int p = 1; p <= 4; ++p)
                addScope(trends::Family::position, p);
    }
    m_leaning = new QComboBox;
    m_leaning->setObjectName(QStringLiteral("rule_leaning"));
    m_leaning->addItem(QStringLiteral("杀冷（按理论该开未开最多的）"), int(trends::Leaning::cold));
    m_leaning->addItem(QStringLiteral("杀热（开出比理论多得最多的）"), int(trends::Leaning::hot));
    m_count = spin(QStringLiteral("rule_count"), 1, 81, 2);
    m_count->setToolTip(QStringLiteral("杀几个值；定位是每一位杀几个"));
    auto* add = new QPushButton(QStringLiteral("加入规则(&J)"));
    add->setObjectName(QStringLiteral("rule_add"));
    connect(add, &QPushButton::clicked, this, &RuleTestPanel::addRule);
    auto* clear = new QPushButton(QStringLiteral("清空规则"));
    connect(clear, &QPushButton::clicked, this, [this] {
        m_rules.clear();
        m_ruleList->clear();
    });
    m_ruleList = new QListWidget;
    m_ruleList->setObjectName(QStringLiteral("rule_list"));
    m_ruleList->setFlow(QListView::LeftToRight);
    m_ruleList->setMaximumHeight(m_ruleList->fontMetrics().height() * 2 + 8);

    auto* row = new QWidget;
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("规则：")), 0, 0);
    grid->addWidget(m_family, 0, 1);
    grid->addWidget(m_leaning, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("K：")), 0, 3);
    grid->addWidget(m_count, 0, 4);
    grid->addWidget(add, 0, 5);
    grid->addWidget(clear, 0, 6);
    grid->setColumnStretch(7, 1);
    grid->addWidget(m_ruleList, 1, 0, 1, 8);
    return row;
}

QWidget* RuleTestPanel::buildTestRow()
{
    m_window = spin(QStringLiteral("rule_window"), 1, 100000, 100);
    m_window->setToolTip(QStringLiteral("每检验一期，只用它之前的 W 期算冷热"));
    m_last = spin(QStringLiteral("rule_last"), 0, 1000000, 0);
    m_last->setSpecialValueText(QStringLiteral("全部"));
    m_last->setSuffix(QStringLiteral(" 期"));
    m_start = new QPushButton(QStringLiteral("开始检验(&R)"));
    m_start->setObjectName(QStringLiteral("rule_start"));
    connect(m_start, &QPushButton::clicked, this, &RuleTestPanel::start);
    auto* row = new QWidget;
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    line->addWidget(new QLabel(QStringLiteral("每期往前看 W 期：")));
    line->addWidget(m_window);
    line->addWidget(new QLabel(QStringLiteral("检验最近：")));
    line->addWidget(m_last);
    line->addWidget(m_start);
    line->addStretch(1);
    return row;
}

void RuleTestPanel::addRule()
{
    trends::Rule rule = m_scopes[std::size_t(m_family->currentIndex())];
    rule.leaning = trends::Leaning(m_leaning->currentData().toInt());
    rule.count = m_count->value();
    if (std::find(m_rules.begin(), m_rules.end(), rule) != m_rules.end())
        return;
    m_rules.push_back(rule);
    m_ruleList->addItem(ruleListCaption(rule));
}

void RuleTestPanel::setDraws(std::vector<Draw> draws)
{
    m_draws = std::move(draws);
}

void RuleTestPanel::start()
{
    if (m_rules.empty())
        addRule(); // the rule chosen in the row, as a player who pressed only 开始 means
    const int generation = ++m_generation;
    const int window = m_window->value();
    m_summary->setText(QStringLiteral("正在检验……"));
    m_verdict->clear();
    auto* watcher = new QFutureWatcher<trends::WalkForward>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation, window] {
        watcher->deleteLater();
        if (generation == m_generation)
            show(watcher->result(), window);
    });
    watcher->setFuture(QtConcurrent::run(
        [conditions = m_conditions(), draws = m_draws, rules = m_rules, window, last = m_last->value()] {
            return trends::walkForward(conditions, draws, rules, window, last);
        }));
}

void RuleTestPanel::show(const trends::WalkForward& test, int window)
{
    const trends::WalkForwardSummary& s = test.summary;
    if (s.draws == 0) {
        m_summary->setText(
            QStringLiteral("没有可检验的期：每期之前要有 %1 期开奖号码，现有 %2 期。").arg(window).arg(m_draws.size()));
        m_chart->setLines({}, {});
        emit tested();
        return;
    }
    const QString skipped =
        s.skipped ? QStringLiteral("（另有 %1 期之前不足 %2 期，未检验）").arg(s.skipped).arg(window) : QString();
    m_summary->setText(QStringLiteral("检验 %1 期%2：用规则入选 %3 期，命中率 %4（95% 区间 %5 至 %6）；随机选同样注数"
                                      "（平均 %7 注）命中率 %8。只用方案：入选 %9 期，命中率 %10，随机 %11。"
                                      "最长连续未中 %12 期，当前连续未中 %13 期。")
                           .arg(s.draws)
                           .arg(skipped)
                           .arg(s.listed)
                           .arg(percent(s.hitRate), percent(s.hitRateLow), percent(s.hitRateHigh))
                           .arg(s.meanSurvivors.value_or(0), 0, 'f', 1)
                           .arg(percent(s.baseline))
                           .arg(test.withoutRules.listed)
                           .arg(percent(test.withoutRules.hitRate), percent(test.withoutRules.baseline))
                           .arg(s.longestMissRun)
                           .arg(s.currentMissRun));
    m_verdict->setText(texts::hitRateVerdict(*s.hitRateLow, *s.hitRateHigh, *s.baseline, QStringLiteral("这条规则")));
    const RunningRates rates = runningRates(test);
    m_chart->setLines(
        rates.labels,
        {{QStringLiteral("规则累计命中率"), palette().color(QPalette::Highlight), rates.rules},
         {QStringLiteral("随机选同样注数"), palette().color(QPalette::Text), rates.random, Qt::DashLine}});
    emit tested();
}

} // namespace shrink4
