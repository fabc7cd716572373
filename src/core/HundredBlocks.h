#pragma once
// The numbers in blocks of a hundred: block 10a+b holds ab00..ab99, its bit 10c+d standing
// for abcd. A condition on the last two digits is one 100-bit pattern, laid into every
// block it concerns with a few word operations instead of a hundred bit writes.

#include "NumberSet.h"

#include <array>
#include <cstdint>

namespace shrink4 {

struct HundredBits {
    std::uint64_t low = 0;  // cells 0..63
    std::uint64_t high = 0; // cells 64..99

    constexpr HundredBits& operator|=(HundredBits o)
    {
        low |= o.low;
        high |= o.high;
        return *this;
    }
    friend constexpr HundredBits operator|(HundredBits a, HundredBits b) { return a |= b; }
    friend constexpr HundredBits operator&(HundredBits a, HundredBits b) { return {a.low & b.low, a.high & b.high}; }
};

inline constexpr unsigned kAllDigits = 0x3FFu;

// Ten bits placed at cell 10c: the units digits of tens digit c.
constexpr HundredBits unitsOfTens(int c, unsigned units10)
{
    const std::uint64_t bits = units10 & kAllDigits;
    const int at = 10 * c;
    if (at >= 64)
        return {0, bits << (at - 64)};
    return {bits << at, at > 54 ? bits >> (64 - at) : 0};
}

// Cells (c, d) with d in unitsByTens[c].
constexpr HundredBits cellsOf(const std::array<unsigned, 10>& unitsByTens)
{
    HundredBits b;
    for (int c = 0; c < 10; ++c)
        b |= unitsOfTens(c, unitsByTens[std::size_t(c)]);
    return b;
}

// Cells whose units digit is in the mask: the mask repeated every ten cells.
constexpr HundredBits unitsIn(unsigned mask10)
{
    const std::uint64_t m = mask10 & kAllDigits;
    return {m * 0x1004010040100401u, (m >> 4) | m * 0x4010040u};
}

namespace hundred_detail {
// Tens patterns of five tens digits at a time: digits 0..4, and 5..9.
template <int From>
constexpr std::array<HundredBits, 32> tensTable()
{
    std::array<HundredBits, 32> t{};
    for (unsigned m = 0; m < 32; ++m)
        for (int c = 0; c < 5; ++c)
            if (m >> c & 1u)
                t[m] |= unitsOfTens(From + c, kAllDigits);
    return t;
}
inline constexpr auto kLowTens = tensTable<0>();
inline constexpr auto kHighTens = tensTable<5>();
} // namespace hundred_detail

// Cells whose tens digit is in the mask.
constexpr HundredBits tensIn(unsigned mask10)
{
    return hundred_detail::kLowTens[mask10 & 31u] | hundred_detail::kHighTens[(mask10 >> 5) & 31u];
}

using HundredBlocks = std::array<HundredBits, 100>; // by the first two digits

// The numbers of all hundred blocks, written word after word: blocks laid one by one
// would read back the word the block before wrote.
inline NumberSet numbersOf(const HundredBlocks& blocks)
{
    NumberSet set;
    int w = 0, filled = 0; // bits of `pending` already taken
    std::uint64_t pending = 0;
    const auto append = [&](std::uint64_t bits, int count) {
        pending |= bits << filled;
        filled += count;
        if (filled >= 64) {
            set.wordAt(w++) = pending;
            filled -= 64;
            pending = filled ? bits >> (count - filled) : 0;
        }
    };
    for (const HundredBits& block : blocks) {
        append(block.low, 64);
        append(block.high, 36);
    }
    if (filled)
        set.wordAt(w) = pending;
    return set;
}

} // namespace shrink4
