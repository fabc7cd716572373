#pragma once
// The figures and the picked values as trend and backtest --rule print them.

#include "cli/JsonOut.h"
#include "trends/TrendFigures.h"
#include "trends/WalkForward.h"

#include <QString>

#include <vector>

namespace shrink4::cli {

std::vector<JsonObjectWriter> familiesJson(const trends::WindowFigures& figures);
std::vector<JsonObjectWriter> pickedJson(const std::vector<trends::RulePick>& picked);

// One table per track: value, hits, expected, current, max, average.
QString familiesTable(const trends::WindowFigures& figures);
// One line per rule: the rule and its values ("3:7 4:0" for positions).
QString pickedLines(const std::vector<trends::RulePick>& picked, const QString& indent);

} // namespace shrink4::cli
