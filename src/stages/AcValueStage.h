#pragma once
#include "core/NumberSet.h"

namespace shrink4 {

// Count of distinct values among the six absolute differences of the digit pairs (1..6).
int AcValue(int value);

// Numbers whose AC value is ac (1..6).
const NumberSet& acValueSet(int ac);

} // namespace shrink4
