#include "BacktestCharts.h"

#include "engine/HitRateInterval.h"
#include "ui/history/HistoryTexts.h"
#include "ui/widgets/HitRateTexts.h"
#include "ui/widgets/charts/BarChart.h"

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

void drawTimeline(charts::BarChart* chart, const Backtest& backtest)
{
    const auto& outcomes = backtest.outcomes;
    if (outcomes.empty()) {
        chart->clear(QStringLiteral("没有开奖号码"));
        return;
    }
    const std::size_t perBar = (outcomes.size() + kMaxBars - 1) / kMaxBars;
    charts::ChartSeries listed{texts::kListedSeries, kListedColor, {}};
    charts::ChartSeries missed{texts::kMissedSeries, kMissedColor, {}};
    charts::ChartSeries outside{texts::kOutsidePoolSeries, kOutsideColor, {}};
    charts::ChartSeries expected{texts::kExpectedSeries, kExpectedColor, {}, Qt::DashLine};
    QStringList captions;
    for (std::size_t first = 0; first < outcomes.size(); first += perBar) {
        const std::size_t end = std::min(first + perBar, outcomes.size());
        const BarCounts counts = countBar(outcomes, first, end);
        listed.values << counts.listed;
        missed.values << counts.missed;
        outside.values << counts.outside;
        expected.values << backtest.summary.baseline * qreal(end - first);
        captions << texts::drawSpanText(outcomes, first, first);
    }
    const QString span = texts::drawSpanText(outcomes, 0, outcomes.size() - 1);
    chart->setBars(captions, {listed, missed, outside});
    chart->setLine(expected);
    chart->setFixedTop(qreal(perBar));
    chart->setTitle(perBar == 1 ? QStringLiteral("%1，每期一柱").arg(span)
                                : QStringLiteral("%1，每 %2 期一柱（柱下是其第一期）").arg(span).arg(perBar));
}

void drawConditionRates(charts::BarChart* chart, const Backtest& backtest, const QStringList& captions)
{
    if (backtest.rows.empty() || backtest.outcomes.empty()) {
        chart->clear(backtest.outcomes.empty() ? QStringLiteral("没有开奖号码") : texts::kNoConditionRows);
        return;
    }
    charts::ChartSeries rates{texts::kRateSeries, kRateColor, {}};
    QStringList names;
    // The figures go beside the caption: a short bar has no room for them.
    const auto add = [&](const QString& caption, int draws) {
        const double rate = double(draws) / double(backtest.outcomes.size());
        rates.values << rate * 100.0;
        names << QStringLiteral("%1：%2 期（%3%）").arg(caption).arg(draws).arg(rate * 100.0, 0, 'f', 1);
    };
    // The base pool is no condition, but it removes draws all the same: above them all.
    if (backtest.summary.outsidePool > 0)
        add(texts::kOutsidePool, backtest.summary.outsidePool);
    for (std::size_t i = 0; i < backtest.rows.size(); ++i)
        add(captions.value(qsizetype(i)), backtest.rows[i].killedDraws);
    chart->setBars(names, {rates});
    chart->setFixedTop(100);
    chart->setValueSuffix(QStringLiteral("%"));
    QString title = QStringLiteral("各条件淘汰了多少开奖号码");
    // Every rate here is over the same draws: too few of them and none can be judged by.
    const int draws = int(backtest.outcomes.size());
    if (draws < kFewestDrawsToJudge) {
        chart->setUnsureBars(QList<bool>(names.size(), true), texts::tooFewDrawsText());
        title += QStringLiteral("\n只有 %1 期：%2").arg(draws).arg(texts::tooFewDrawsText());
    }
    chart->setTitle(title);
}

} // namespace shrink4
