#include "BacktestCharts.h"

#include "ui/history/HistoryTexts.h"
#include "ui/widgets/BarCaptionAxis.h"

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

const QColor kListedColor(0x2e, 0x9e, 0x5b);
const QColor kMissedColor(0xd9, 0x6c, 0x5f);
const QColor kOutsideColor(0x8e, 0x7c, 0xa8);
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

// The draws of one bar: how many were listed, and of the missed ones how many the base pool
// left out, whatever conditions they fail.
struct BarCounts {
    qreal listed = 0;
    qreal missed = 0;
    qreal outside = 0;
};

BarCounts countBar(const std::vector<DrawOutcome>& outcomes, std::size_t first, std::size_t end)
{
    BarCounts counts;
    for (std::size_t i = first; i < end; ++i) {
        const NumberExplanation& e = outcomes[i].explanation;
        (e.listed ? counts.listed : e.inPool ? counts.missed : counts.outside) += 1;
    }
    return counts;
}

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
                             : QStringLiteral("%1，每 %2 期一柱（柱下是其第一期）").arg(span).arg(perBar));
    auto* listed = barSet(texts::kListedSeries, kListedColor);
    auto* missed = barSet(texts::kMissedSeries, kMissedColor);
    auto* outside = barSet(texts::kOutsidePoolSeries, kOutsideColor);
    auto* expected = new QLineSeries;
    expected->setName(texts::kExpectedSeries);
    expected->setPen(QPen(kExpectedColor, 2, Qt::DashLine));
    QStringList captions;
    for (std::size_t first = 0; first < outcomes.size(); first += perBar) {
        const std::size_t end = std::min(first + perBar, outcomes.size());
        const BarCounts counts = countBar(outcomes, first, end);
        *listed << counts.listed;
        *missed << counts.missed;
        *outside << counts.outside;
        expected->append(qreal(captions.size()), backtest.summary.baseline * qreal(end - first));
        captions << texts::drawSpanText(outcomes, first, first);
    }
    auto* bars = new QStackedBarSeries;
    bars->append(listed);
    bars->append(missed);
    bars->append(outside);
    bars->setBarWidth(0.8);
    chart->addSeries(bars);
    chart->addSeries(expected);

    auto* time = new BarCaptionAxis(captions);
    time->attachBelow(chart);
    bars->attachAxis(time);
    expected->attachAxis(time);
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
    // The figures go beside the caption: a short bar has no room for them.
    const auto add = [&](const QString& caption, int draws) {
        const double rate = double(draws) / double(backtest.outcomes.size());
        *rates << rate * 100.0;
        names << QStringLiteral("%1：%2 期（%3%）").arg(caption).arg(draws).arg(rate * 100.0, 0, 'f', 1);
    };
    // A horizontal chart draws its first category at the bottom: run order reads from the top.
    for (std::size_t i = backtest.rows.size(); i-- > 0;)
        add(captions.value(qsizetype(i)), backtest.rows[i].killedDraws);
    // The base pool is no condition, but it removes draws all the same: above them all.
    if (backtest.summary.outsidePool > 0)
        add(texts::kOutsidePool, backtest.summary.outsidePool);
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
