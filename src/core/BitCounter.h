#pragma once
// A small per-number counter kept as bit planes: adding a whole NumberSet costs a few word
// operations per word, and "which numbers have count k" or "whose count lies in a window"
// is a comparison of the planes, word by word.

#include "NumberSet.h"

#include <array>
#include <bit>
#include <span>
#include <vector>

namespace shrink4 {

class BitCounter {
public:
    static constexpr int kPlanes = 6; // counts 0..63
    static constexpr int kMax = (1 << kPlanes) - 1;

    // Adds 1 for every member of s. Counts saturate at kMax (a run adds at most 25).
    void add(const NumberSet& s) { add(std::span<const NumberSet* const>(std::array{&s})); }
    // Adds every set of the list, as one add each would.
    void add(std::span<const NumberSet* const> sets);

    int value(int v) const
    {
        int n = 0;
        for (int p = 0; p < usedPlanes(); ++p)
            n |= int(m_planes[std::size_t(p)].test(v)) << p;
        return n;
    }

    // Numbers whose count equals k.
    NumberSet equals(int k) const;

    // Numbers whose count is at least k.
    NumberSet atLeast(int k) const;

    // Numbers whose count c satisfies lo <= c <= hi (real bounds, both inclusive).
    NumberSet inRange(double lo, double hi) const;

    // [k]: members of `within` whose count is k, up to the highest count among them.
    std::vector<int> histogram(const NumberSet& within) const;

private:
    // Planes that hold a set bit somewhere: no count exceeds the number of adds.
    int usedPlanes() const { return std::bit_width(unsigned(m_adds)); }
    template <int Planes>
    void addWithPlanes(std::span<const NumberSet* const> sets);
    template <int Words, int Planes>
    void addToWords(std::span<const NumberSet* const> sets, int first);
    void addSaturating(const NumberSet& s);
    void countParts(const NumberSet& part, int p, int high, std::vector<int>& counts) const;

    std::array<NumberSet, kPlanes> m_planes{};
    int m_adds = 0;
};

} // namespace shrink4
