#include "BacktestCharts.h"

#include "ui/history/HistoryTexts.h"
#include "ui/widgets/charts/BarChart.h"

#include <algorithm>

namespace shrink4 {

namespace {

// Enough bars to see a trend, few enough to tell them apart.
constexpr std::size_t kMaxBars = 60;

const QColor kListedColor(0x2e, 0x9e, 0x5b);
const QColor kMissedColor(0xd9, 0x6c, 0x5f);
const QColor kExpectedColor(0x2c, 0x4f, 0x8c);
const QColor kRateColor(0xd9, 0x8c, 0x3f);

} // namespace

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
    charts::ChartSeries expected{texts::kExpectedSeries, kExpectedColor, {}, Qt::DashLine};
    QStringList spans;
    for (std::size_t first = 0; first < outcomes.size(); first += perBar) {
        const std::size_t end = std::min(first + perBar, outcomes.size());
        const auto hits =
            std::count_if(outcomes.begin() + std::ptrdiff_t(first), outcomes.begin() + std::ptrdiff_t(end),
                          [](const DrawOutcome& o) { return o.explanation.listed; });
        listed.values << qreal(hits);
        missed.values << qreal(end - first) - qreal(hits);
        expected.values << backtest.summary.baseline * qreal(end - first);
        spans << texts::drawSpanText(outcomes, first, end - 1);
    }
    const QString span = texts::drawSpanText(outcomes, 0, outcomes.size() - 1);
    chart->setBars(spans, {listed, missed});
    chart->setLine(expected);
    chart->setFixedTop(qreal(perBar));
    chart->setTitle(perBar == 1 ? QStringLiteral("%1，每期一柱").arg(span)
                                : QStringLiteral("%1，每 %2 期一柱").arg(span).arg(perBar));
}

void drawConditionRates(charts::BarChart* chart, const Backtest& backtest, const QStringList& captions)
{
    if (backtest.rows.empty() || backtest.outcomes.empty()) {
        chart->clear(backtest.outcomes.empty() ? QStringLiteral("没有开奖号码") : texts::kNoConditionRows);
        return;
    }
    charts::ChartSeries rates{texts::kRateSeries, kRateColor, {}};
    QStringList names;
    for (std::size_t i = 0; i < backtest.rows.size(); ++i) {
        rates.values << backtest.rows[i].rate * 100.0;
        // The figures go beside the caption: a short bar has no room for them.
        names << QStringLiteral("%1：%2 期（%3%）")
                     .arg(captions.value(qsizetype(i)))
                     .arg(backtest.rows[i].killedDraws)
                     .arg(backtest.rows[i].rate * 100.0, 0, 'f', 1);
    }
    chart->setBars(names, {rates});
    chart->setFixedTop(100);
    chart->setValueSuffix(QStringLiteral("%"));
    chart->setTitle(QStringLiteral("各条件淘汰了多少开奖号码"));
}

} // namespace shrink4
