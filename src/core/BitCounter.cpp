#include "BitCounter.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace shrink4 {

namespace {

// Words added at once: their planes stay in registers while every set is added.
constexpr int kBlock = 4;

} // namespace

void BitCounter::add(std::span<const NumberSet* const> sets)
{
    if (sets.empty())
        return;
    if (m_adds + int(sets.size()) > kMax) {
        for (const NumberSet* s : sets)
            addSaturating(*s);
        return;
    }
    m_adds += int(sets.size());
    // The planes the counts reach, known to the compiler: they stay in registers.
    using Add = void (BitCounter::*)(std::span<const NumberSet* const>);
    static constexpr Add kByPlanes[kPlanes] = {&BitCounter::addWithPlanes<1>, &BitCounter::addWithPlanes<2>,
                                               &BitCounter::addWithPlanes<3>, &BitCounter::addWithPlanes<4>,
                                               &BitCounter::addWithPlanes<5>, &BitCounter::addWithPlanes<6>};
    (this->*kByPlanes[usedPlanes() - 1])(sets);
}

template <int Planes>
void BitCounter::addWithPlanes(std::span<const NumberSet* const> sets)
{
    int w = 0;
    for (; w + kBlock <= NumberSet::kWords; w += kBlock)
        addToWords<kBlock, Planes>(sets, w);
    for (; w < NumberSet::kWords; ++w)
        addToWords<1, Planes>(sets, w);
}

// A ripple-carry add of every set into the planes of a few words.
template <int Words, int Planes>
void BitCounter::addToWords(std::span<const NumberSet* const> sets, int first)
{
    std::uint64_t planes[Planes][Words];
    for (int p = 0; p < Planes; ++p)
        for (int j = 0; j < Words; ++j)
            planes[p][j] = m_planes[std::size_t(p)].wordAt(first + j);
    for (const NumberSet* s : sets) {
        std::uint64_t carry[Words];
        for (int j = 0; j < Words; ++j)
            carry[j] = s->wordAt(first + j);
        for (int p = 0; p < Planes; ++p)
            for (int j = 0; j < Words; ++j) {
                const std::uint64_t old = planes[p][j];
                planes[p][j] = old ^ carry[j];
                carry[j] &= old;
            }
    }
    for (int p = 0; p < Planes; ++p)
        for (int j = 0; j < Words; ++j)
            m_planes[std::size_t(p)].wordAt(first + j) = planes[p][j];
}

void BitCounter::addSaturating(const NumberSet& s)
{
    m_adds = std::min(m_adds + 1, kMax);
    for (int w = 0; w < NumberSet::kWords; ++w) {
        std::uint64_t carry = s.wordAt(w);
        std::uint64_t full = carry;
        for (const auto& plane : m_planes)
            full &= plane.wordAt(w);
        carry &= ~full; // saturated entries stay at kMax
        for (auto& plane : m_planes) {
            const std::uint64_t old = plane.wordAt(w);
            plane.wordAt(w) = old ^ carry;
            carry &= old;
        }
    }
}

NumberSet BitCounter::equals(int k) const
{
    const int planes = usedPlanes();
    if (k < 0 || k >= (1 << planes))
        return NumberSet{};
    NumberSet r = NumberSet::all();
    for (int p = 0; p < planes; ++p) {
        const std::uint64_t flip = (k >> p) & 1 ? 0 : ~std::uint64_t{0}; // a 0 of k wants the plane clear
        for (int w = 0; w < NumberSet::kWords; ++w)
            r.wordAt(w) &= m_planes[std::size_t(p)].wordAt(w) ^ flip;
    }
    return r;
}

// Compared from the highest plane down: a number is above k once a plane where k has a 0
// holds a 1 while every higher plane agreed with k.
NumberSet BitCounter::atLeast(int k) const
{
    if (k <= 0)
        return NumberSet::all();
    if (k > m_adds)
        return NumberSet{};
    NumberSet above, same = NumberSet::all();
    for (int p = usedPlanes() - 1; p >= 0; --p) {
        const NumberSet& plane = m_planes[std::size_t(p)];
        const bool one = (k >> p) & 1;
        for (int w = 0; w < NumberSet::kWords; ++w) {
            above.wordAt(w) |= one ? 0 : same.wordAt(w) & plane.wordAt(w);
            same.wordAt(w) &= one ? plane.wordAt(w) : ~plane.wordAt(w);
        }
    }
    return above |= same;
}

std::vector<int> BitCounter::histogram(const NumberSet& within) const
{
    std::vector<int> counts(std::size_t(m_adds) + 1, 0); // no count exceeds the number of adds
    countParts(within, usedPlanes() - 1, 0, counts);
    while (!counts.empty() && counts.back() == 0)
        counts.pop_back();
    return counts;
}

// From the highest plane down, a part splits into its numbers with the plane's bit clear
// and set; a leaf's count is the bits chosen on the way. Parts whose counts cannot occur
// are not made: far fewer passes than one comparison of every plane per count.
void BitCounter::countParts(const NumberSet& part, int p, int high, std::vector<int>& counts) const
{
    if (p < 0) {
        counts[std::size_t(high)] = part.count();
        return;
    }
    const NumberSet& plane = m_planes[std::size_t(p)];
    countParts(part.minus(plane), p - 1, 2 * high, counts);
    if (((2 * high + 1) << p) <= m_adds)
        countParts(part & plane, p - 1, 2 * high + 1, counts);
}

NumberSet BitCounter::inRange(double lo, double hi) const
{
    // The counts that occur form 0..m_adds; the window keeps a stretch of them.
    int first = -1, last = -1;
    for (int k = 0; k <= m_adds; ++k)
        if (k - lo >= 0 && k - hi <= 0) {
            first = first < 0 ? k : first;
            last = k;
        }
    if (first < 0)
        return NumberSet{};
    return atLeast(first).minus(atLeast(last + 1));
}

} // namespace shrink4
