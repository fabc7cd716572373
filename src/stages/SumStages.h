#pragma once
// Sum tail, span, universal digits (rows of ten check boxes) and sum values (typed text).

#include "engine/NumberSet.h"

#include <array>
#include <string_view>

namespace shrink4 {

// Bit d set when box d of a row of ten is ticked.
unsigned checkedDigits(const std::array<int, 10>& boxes);

NumberSet sumTailSet(unsigned checked);   // last digit of the digit sum is checked
NumberSet spanSet(unsigned checked);      // max digit minus min digit is checked
NumberSet universalKillSet(unsigned checked); // some digit is checked

// Numbers whose digit sum, written as two digits, occurs in the box; the box is off when
// empty after trimming or when it holds a full-width colon (its help text).
NumberSet sumValueSet(std::string_view boxText);

} // namespace shrink4
