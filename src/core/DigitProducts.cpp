#include "DigitProducts.h"

#include <bit>

namespace shrink4 {

void DigitProducts::add(const std::array<unsigned, 4>& masks)
{
    const HundredBits lastTwo = tensIn(masks[2]) & unitsIn(masks[3]);
    for (unsigned as = masks[0] & kAllDigits; as; as &= as - 1)
        for (unsigned bs = masks[1] & kAllDigits; bs; bs &= bs - 1)
            m_blocks[std::size_t(10 * std::countr_zero(as) + std::countr_zero(bs))] |= lastTwo;
}

NumberSet DigitProducts::numbers() const
{
    return numbersOf(m_blocks);
}

} // namespace shrink4
