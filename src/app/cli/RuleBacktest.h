#pragma once
// backtest --rule: the rules tested walking forward through the draws.

#include "conditions/ConditionTable.h"
#include "engine/Draws.h"
#include "cli/JsonOut.h"
#include "trends/TrendRules.h"
#include "trends/WalkForward.h"

#include <vector>

namespace shrink4::cli {

// Prints the test of the rules over the latest `last` draws (all when 0), each picked from
// the `window` draws before it.
void printRuleBacktest(const ConditionInputs& scheme, const std::vector<Draw>& draws,
                       const std::vector<trends::Rule>& rules, int window, int last, bool json);

// The "summary" and "without_rules" objects of the test.
JsonObjectWriter summaryJson(const trends::WalkForwardSummary& s);
JsonObjectWriter withoutRulesJson(const trends::WithoutRules& w);

} // namespace shrink4::cli
