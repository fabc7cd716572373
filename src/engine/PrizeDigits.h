#pragma once
// A number's digits as the prize tiers compare them: by position, and as a multiset.

#include <algorithm>
#include <array>

namespace shrink4 {

inline constexpr std::array<int, 4> kPlace = {1000, 100, 10, 1}; // position 1 (千) first

inline int digitAt(int number, int position) // position 0..3
{
    return number / kPlace[std::size_t(position)] % 10;
}

// The number with the digits outside `positions` (bit p for position p, from 0) set to 0:
// two numbers agree on those positions exactly when their projections are equal.
inline int projection(int number, unsigned positions)
{
    int kept = 0;
    for (int p = 0; p < 4; ++p)
        if (positions & (1u << p))
            kept += digitAt(number, p) * kPlace[std::size_t(p)];
    return kept;
}

inline bool samePositions(int a, int b, unsigned positions)
{
    return projection(a, positions) == projection(b, positions);
}

// The digits in ascending order, read as a number: equal for rearrangements of each other.
inline int sortedDigits(int number)
{
    std::array<int, 4> d = {digitAt(number, 0), digitAt(number, 1), digitAt(number, 2), digitAt(number, 3)};
    std::sort(d.begin(), d.end());
    return d[0] * 1000 + d[1] * 100 + d[2] * 10 + d[3];
}

} // namespace shrink4
