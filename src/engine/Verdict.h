#pragma once
#include "core/BitCounter.h"
#include "core/NumberSet.h"

#include <array>
#include <cstdint>
#include <string>

namespace shrink4 {

inline constexpr int kSurvivorMark = 100;

// The numbers whose failure count lies in the total tolerance window (lower and upper
// bound as typed), or every number when no condition took part.
NumberSet verdict(const BitCounter& failCount, std::int32_t conditionCount,
                  const std::array<std::string, 2>& tolerance);

} // namespace shrink4
