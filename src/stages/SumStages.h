#pragma once
// Sum tail, span, universal digits (rows of ten check boxes) and sum values (typed text).

#include "core/NumberSet.h"

#include <array>
#include <string_view>

namespace shrink4 {

// The numbers that box k of each row kills.
const NumberSet& sumTailSet(int tail); // last digit of the digit sum is `tail`
const NumberSet& spanSet(int span);    // max digit minus min digit is `span`

// Numbers whose digit sum, written as two digits, occurs in the box.
NumberSet sumValueSet(std::string_view boxText);

} // namespace shrink4
