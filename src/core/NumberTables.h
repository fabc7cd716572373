#pragma once
// Per-number facts that never change: the digits of every number and the sets built
// from them. Built once on first use and shared by every run.

#include "NumberSet.h"

#include <array>
#include <cstdint>

namespace shrink4 {

using DigitRow = std::array<std::uint8_t, 4>; // thousands, hundreds, tens, units

// DigitRow of every number 0000..9999, indexed by its value.
const std::array<DigitRow, kNumberCount>& digitTable();

// Numbers whose digit at position p (0 thousands .. 3 units) is d.
const NumberSet& positionDigitSet(int p, int d);

// Numbers that hold digit d at any position.
const NumberSet& containsDigitSet(int d);

// Union of positionDigitSet(p, d) over the digits d of a ten-bit mask.
NumberSet positionDigitsSet(int p, unsigned mask10);

} // namespace shrink4
