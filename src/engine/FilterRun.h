#pragma once
// One filter run: every condition stage in its fixed order over all 10,000 numbers,
// the tolerance verdict, the base pool and the listed result.

#include "ConditionInputs.h"
#include "NumberSet.h"
#include "ResultList.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace shrink4 {

struct RunResult {
    ResultList list;                     // what the window shows
    std::int32_t conditionCount = 0;     // ConditionCount when the verdict was taken
    NumberSet verdict;                   // numbers that passed the verdict (FailCount 100)
    NumberSet outsidePool;               // numbers the base pool leaves out (PoolMask 1)
    // Boxes the run wrote back (the normalised code lists), in the order written.
    std::vector<std::pair<std::string, std::string>> rewritten;
};

// Receives the fill of the progress bar (0..1) at the points the run reports it.
using ProgressFn = std::function<void(double)>;

RunResult filterRun(ConditionInputs inputs, const ProgressFn& progress = {});

// The inputs with the run's rewritten boxes applied, as the window shows them afterwards.
ConditionInputs inputsAfterRun(ConditionInputs inputs, const RunResult& result);

} // namespace shrink4
