#pragma once
// Numbers given as products of the digits each position allows ("12*3*45*6": 1 or 2, then
// 3, then 4 or 5, then 6). Many products are gathered block by block, then laid into a
// set once.

#include "HundredBlocks.h"
#include "NumberSet.h"

#include <array>

namespace shrink4 {

class DigitProducts {
public:
    // Adds every number whose digit at position p (0 thousands .. 3 units) is in masks[p]
    // (ten-bit digit masks).
    void add(const std::array<unsigned, 4>& masks);

    NumberSet numbers() const;

private:
    HundredBlocks m_blocks{};
};

} // namespace shrink4
