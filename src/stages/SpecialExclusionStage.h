#pragma once
#include "core/NumberSet.h"

#include <array>
#include <string>
#include <string_view>

namespace shrink4 {

// Longest row of consecutive values among a number's distinct digits (ascending text,
// 1..4 characters), where 9 and 0 are neighbours: 4, 3, 2 or 0.
int RunClass(std::string_view distinctDigits);

// The distinct digits of a number in ascending order ("3141" gives "134").
std::string distinctDigits(int value);

// The numbers of exclusion type 0..8.
const NumberSet& specialExclusionSet(int type);

// The hidden list of the 270 two-pair numbers, each followed by "*".
const std::string& twoPairListText();

} // namespace shrink4
