#pragma once
// The backtest's two charts: listed and missed draws over time beside what a random
// pick of the same size would list, and each condition's share of failed draws.

#include "engine/Backtest.h"

#include <QStringList>

namespace shrink4 {

namespace charts {
class BarChart;
}

// Bars of consecutive draws, oldest left: listed and missed stacked, with the expected
// listed count of a random pick as a line. Long histories share a bar among several draws.
void drawTimeline(charts::BarChart* chart, const Backtest& backtest);

// One lying bar per condition row, in run order from the top: the share of draws it failed.
// `captions` are the rows' captions, in the same order as backtest.rows.
void drawConditionRates(charts::BarChart* chart, const Backtest& backtest, const QStringList& captions);

} // namespace shrink4
