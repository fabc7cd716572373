#pragma once
#include "core/NumberSet.h"

#include <array>

namespace shrink4 {

// Numbers whose count of positions carrying a marked digit lies outside [lower, upper].
// Box 10p+d marks digit d at position p (0 thousands .. 3 units).
NumberSet positionDigitFailures(const std::array<int, 40>& boxes, double lower, double upper);

} // namespace shrink4
