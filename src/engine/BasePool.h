#pragma once
#include "core/NumberSet.h"

#include <string_view>

namespace shrink4 {

// Whether the base-pool box restricts the result (it is not empty), and if so the numbers
// it contains.
bool basePoolActive(std::string_view boxText);
NumberSet basePoolMembers(std::string_view boxText);

// The numbers the base pool leaves out: none when the box does not restrict.
NumberSet basePoolOutside(std::string_view boxText);

} // namespace shrink4
