#pragma once
// What the 走势 window may do to the main window's conditions, given by the main window
// when it opens the window; the window knows nothing else of it.

#include "trends/TrendRules.h"

#include <QString>

#include <functional>
#include <vector>

namespace shrink4 {

struct ConditionsLink {
    // Ticks the boxes (or writes the sums) the picks feed, as one step of the main window's
    // history named `step`. Returns false when it changed nothing (all ticked already).
    std::function<bool(const QString& step, const std::vector<trends::TrackPick>& picks)> applyPicks;
    // The conditions as they stand, for the rule test.
    std::function<ConditionInputs()> conditions;
};

} // namespace shrink4
