#pragma once
#include "ConditionInputs.h"

#include <cstdint>

namespace shrink4 {

struct RunState;

inline constexpr int kSurvivorMark = 100;

// Free-text conditions the verdict counts: boxes that are not empty after trimming
// spaces and do not hold their help text's marker.
std::int32_t countTextConditions(const ConditionInputs& in);

// Completes ConditionCount and marks the numbers whose failure count lies in the total
// tolerance window (all numbers when no condition took part).
void ApplyVerdict(RunState& run);

} // namespace shrink4
