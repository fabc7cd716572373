#pragma once
// A small per-number counter kept as bit planes: adding a whole NumberSet costs a few
// hundred word operations, and "which numbers have count k" is a handful more.

#include "NumberSet.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace shrink4 {

class BitCounter {
public:
    static constexpr int kPlanes = 6;            // counts 0..63
    static constexpr int kMax = (1 << kPlanes) - 1;

    // Adds 1 for every member of s. Counts saturate at kMax (a run adds at most 21).
    void add(const NumberSet& s)
    {
        m_adds = std::min(m_adds + 1, kMax);
        for (int w = 0; w < NumberSet::kWords; ++w) {
            std::uint64_t carry = s.wordAt(w);
            std::uint64_t full = carry;
            for (int p = 0; p < kPlanes; ++p)
                full &= m_planes[p].wordAt(w);
            carry &= ~full; // saturated entries stay at kMax
            for (int p = 0; p < kPlanes && carry; ++p) {
                const std::uint64_t old = m_planes[p].wordAt(w);
                m_planes[p].wordAt(w) = old ^ carry;
                carry &= old;
            }
        }
    }

    int value(int v) const
    {
        int n = 0;
        for (int p = 0; p < kPlanes; ++p)
            n |= int(m_planes[p].test(v)) << p;
        return n;
    }

    // Numbers whose count equals k.
    NumberSet equals(int k) const
    {
        NumberSet r = NumberSet::all();
        if (k < 0 || k > kMax)
            return NumberSet{};
        for (int p = 0; p < kPlanes; ++p)
            r &= (k >> p) & 1 ? m_planes[p] : ~m_planes[p];
        return r;
    }

    // Numbers whose count c satisfies lo <= c <= hi (real bounds, both inclusive).
    NumberSet inRange(double lo, double hi) const
    {
        NumberSet r;
        for (int k = 0; k <= m_adds; ++k) // no count exceeds the number of adds
            if (k - lo >= 0 && k - hi <= 0)
                r |= equals(k);
        return r;
    }

private:
    std::array<NumberSet, kPlanes> m_planes{};
    int m_adds = 0;
};

} // namespace shrink4
