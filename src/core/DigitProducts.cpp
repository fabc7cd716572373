#include "DigitProducts.h"

namespace shrink4 {

void DigitProducts::add(const std::array<unsigned, 4>& masks)
{
    const HundredBits lastTwo = tensIn(masks[2]) & unitsIn(masks[3]);
    for (int a = 0; a < 10; ++a)
        for (int b = 0; b < 10; ++b)
            if ((masks[0] >> a) & (masks[1] >> b) & 1u)
                m_blocks[std::size_t(10 * a + b)] |= lastTwo;
}

NumberSet DigitProducts::numbers() const
{
    NumberSet set;
    for (int block = 0; block < 100; ++block)
        addHundred(set, block, m_blocks[std::size_t(block)]);
    return set;
}

} // namespace shrink4
