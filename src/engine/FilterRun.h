#pragma once
// One filter run: every condition stage in its fixed order over all 10,000 numbers,
// the tolerance verdict, the base pool and the listed result.

#include "conditions/ConditionTable.h"
#include "core/BitCounter.h"
#include "core/NumberSet.h"
#include "core/ResultList.h"
#include "stages/Stages.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace shrink4 {

struct RunResult {
    ResultList list;                 // what the window shows
    std::int32_t conditionCount = 0; // ConditionCount when the verdict was taken
    NumberSet verdict;               // numbers that passed the verdict (FailCount 100)
    NumberSet outsidePool;           // numbers the base pool leaves out (PoolMask 1)
    BitCounter failCount;            // FailCount before the verdict
    // Every condition row of the run in run order, with what it fails (texts moved out).
    std::vector<ConditionRow> rows;
    // Boxes the run writes back (the normalised code lists), in run order.
    std::vector<std::pair<ControlId, std::string>> rewritten;
};

// Receives the fill of the progress bar (0..1) at the points the run reports it.
using ProgressFn = std::function<void(double)>;

RunResult filterRun(const ConditionInputs& inputs, const ProgressFn& progress = {});

} // namespace shrink4
