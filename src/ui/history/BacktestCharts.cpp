#include "BacktestCharts.h"

#include "ui/history/HistoryTexts.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QPen>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>

namespace shrink4 {

namespace {

// Enough bars to see a trend, few enough to tell them apart.
constexpr std::size_t kMaxBars = 60;
// Below this many bars each one's draws are written under it.
constexpr qsizetype kMaxBarCaptions = 16;

const QColor kListedColor(0x2e, 0x9e, 0x5b);
const QColor kMissedColor(0xd9, 0x6c, 0x5f);
const QColor kExpectedColor(0x2c, 0x4f, 0x8c);
const QColor kRateColor(0xd9, 0x8c, 0x3f);

void clear(QChart* chart, const QString& title)
{
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    chart->setTitle(title);
}

QBarSet* barSet(const QString& name, const QColor& color)
{
    auto* set = new QBarSet(name);
    set->setColor(color);
    set->setBorderColor(color);
    return set;
}

void attach(QChart* chart, QAbstractAxis* axis, Qt::Alignment where, std::initializer_list<QAbstractSeries*> series)
{
    chart->addAxis(axis, where);
    for (QAbstractSeries* s : series)
        s->attachAxis(axis);
}

QValueAxis* countAxis(qreal top)
{
    auto* axis = new QValueAxis;
    axis->setRange(0, top);
    axis->setLabelFormat(QStringLiteral("%d"));
    // Whole numbers only: a tick at each count while they are few.
    axis->setTickCount(top <= 10 ? int(top) + 1 : 6);
    if (top > 10)
        axis->applyNiceNumbers();
    return axis;
}

} // namespace

void drawTimeline(QChart* chart, const Backtest& backtest)
{
    const auto& outcomes = backtest.outcomes;
    if (outcomes.empty()) {
        clear(chart, QStringLiteral("没有开奖号码"));
        return;
    }
    const std::size_t perBar = (outcomes.size() + kMaxBars - 1) / kMaxBars;
    // Axis titles of Chinese text come out as "..." in Qt Charts: the chart title says it all.
    const QString span = texts::drawSpanText(outcomes, 0, outcomes.size() - 1);
    clear(chart, perBar == 1 ? QStringLiteral("%1，每期一柱").arg(span)
                             : QStringLiteral("%1，每 %2 期一柱").arg(span).arg(perBar));
    auto* listed = barSet(texts::kListedSeries, kListedColor);
    auto* missed = barSet(texts::kMissedSeries, kMissedColor);
    auto* expected = new QLineSeries;
    expected->setName(texts::kExpectedSeries);
    expected->setPen(QPen(kExpectedColor, 2, Qt::DashLine));
    QStringList spans;
    for (std::size_t first = 0; first < outcomes.size(); first += perBar) {
        const std::size_t end = std::min(first + perBar, outcomes.size());
        const auto hits =
            std::count_if(outcomes.begin() + std::ptrdiff_t(first), outcomes.begin() + std::ptrdiff_t(end),
                          [](const DrawOutcome& o) { return o.explanation.listed; });
        *listed << qreal(hits);
        *missed << qreal(end - first) - qreal(hits);
        expected->append(qreal(spans.size()), backtest.summary.baseline * qreal(end - first));
        spans << texts::drawSpanText(outcomes, first, end - 1);
    }
    auto* bars = new QStackedBarSeries;
    bars->append(listed);
    bars->append(missed);
    bars->setBarWidth(0.8);
    chart->addSeries(bars);
    chart->addSeries(expected);

    auto* time = new QBarCategoryAxis;
    time->append(spans);
    time->setLabelsVisible(spans.size() <= kMaxBarCaptions);
    time->setLabelsAngle(-45);
    attach(chart, time, Qt::AlignBottom, {bars, expected});
    attach(chart, countAxis(qreal(perBar)), Qt::AlignLeft, {bars, expected});
}

void drawConditionRates(QChart* chart, const Backtest& backtest, const QStringList& captions)
{
    if (backtest.rows.empty() || backtest.outcomes.empty()) {
        clear(chart, backtest.outcomes.empty() ? QStringLiteral("没有开奖号码") : texts::kNoConditionRows);
        return;
    }
    clear(chart, QStringLiteral("各条件淘汰了多少开奖号码"));
    auto* rates = barSet(texts::kRateSeries, kRateColor);
    QStringList names;
    // A horizontal chart draws its first category at the bottom: run order reads from the top.
    for (std::size_t i = backtest.rows.size(); i-- > 0;) {
        *rates << backtest.rows[i].rate * 100.0;
        // The figures go beside the caption: a short bar has no room for them.
        names << QStringLiteral("%1：%2 期（%3%）")
                     .arg(captions.value(qsizetype(i)))
                     .arg(backtest.rows[i].killedDraws)
                     .arg(backtest.rows[i].rate * 100.0, 0, 'f', 1);
    }
    auto* bars = new QHorizontalBarSeries;
    bars->append(rates);
    chart->addSeries(bars);

    auto* rows = new QBarCategoryAxis;
    rows->append(names);
    attach(chart, rows, Qt::AlignLeft, {bars});
    auto* share = new QValueAxis;
    share->setRange(0, 100);
    share->setLabelFormat(QStringLiteral("%d%"));
    attach(chart, share, Qt::AlignBottom, {bars});
}

} // namespace shrink4
