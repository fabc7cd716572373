#pragma once
// Two- and three-code lists: codes are digit multisets, taken without regard to position.

#include "core/NumberSet.h"

#include <string>
#include <string_view>

namespace shrink4 {

// A list box takes part when its trimmed text holds at least one ASCII digit.
bool codeListActive(std::string_view boxText);

// Numbers that contain at least one item of a normalised list, each item cut to k digits.
NumberSet numbersContainingAnyCode(std::string_view normalizedList, int k);

} // namespace shrink4
