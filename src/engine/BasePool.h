#pragma once
#include "NumberSet.h"

#include <string_view>

namespace shrink4 {

struct RunState;

// Whether the base-pool box restricts the result (not empty after trimming spaces and
// not holding its help text), and if so the numbers it contains.
bool basePoolActive(std::string_view boxText);
NumberSet basePoolMembers(std::string_view boxText);

void ApplyBasePool(RunState& run);

} // namespace shrink4
