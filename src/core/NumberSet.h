#pragma once
// A set of the numbers 0000..9999 as a fixed bitset; bit v stands for the number with value v.

#include "PopCount.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace shrink4 {

inline constexpr int kNumberCount = 10000;

class NumberSet {
public:
    static constexpr int kWords = (kNumberCount + 63) / 64;

    constexpr NumberSet() = default;

    static NumberSet all()
    {
        NumberSet s;
        s.m_words.fill(~std::uint64_t{0});
        s.clearTail();
        return s;
    }

    bool test(int v) const { return (m_words[word(v)] >> bit(v)) & 1u; }
    void set(int v) { m_words[word(v)] |= std::uint64_t{1} << bit(v); }
    void reset(int v) { m_words[word(v)] &= ~(std::uint64_t{1} << bit(v)); }

    int count() const
    {
        return popcountWords(kWords, [this](int i) { return m_words[std::size_t(i)]; });
    }
    // Members that are also in o: the count of the intersection, without making it.
    int countAnd(const NumberSet& o) const
    {
        return popcountWords(kWords, [&](int i) { return m_words[std::size_t(i)] & o.m_words[std::size_t(i)]; });
    }
    bool empty() const
    {
        for (auto w : m_words)
            if (w)
                return false;
        return true;
    }

    NumberSet& operator|=(const NumberSet& o)
    {
        for (int i = 0; i < kWords; ++i)
            m_words[i] |= o.m_words[i];
        return *this;
    }
    NumberSet& operator&=(const NumberSet& o)
    {
        for (int i = 0; i < kWords; ++i)
            m_words[i] &= o.m_words[i];
        return *this;
    }
    NumberSet& operator^=(const NumberSet& o)
    {
        for (int i = 0; i < kWords; ++i)
            m_words[i] ^= o.m_words[i];
        return *this;
    }
    NumberSet operator~() const
    {
        NumberSet r;
        for (int i = 0; i < kWords; ++i)
            r.m_words[i] = ~m_words[i];
        r.clearTail();
        return r;
    }
    // Members of this set that are not in o.
    NumberSet minus(const NumberSet& o) const
    {
        NumberSet r;
        for (int i = 0; i < kWords; ++i)
            r.m_words[i] = m_words[i] & ~o.m_words[i];
        return r;
    }
    friend NumberSet operator|(NumberSet a, const NumberSet& b) { return a |= b; }
    friend NumberSet operator&(NumberSet a, const NumberSet& b) { return a &= b; }
    friend NumberSet operator^(NumberSet a, const NumberSet& b) { return a ^= b; }
    friend bool operator==(const NumberSet&, const NumberSet&) = default;

    // Calls f(v) for every member in ascending order.
    template <class F>
    void forEach(F&& f) const
    {
        for (int i = 0; i < kWords; ++i) {
            std::uint64_t w = m_words[i];
            while (w) {
                f(i * 64 + std::countr_zero(w));
                w &= w - 1;
            }
        }
    }

    std::uint64_t wordAt(int i) const { return m_words[i]; }
    std::uint64_t& wordAt(int i) { return m_words[i]; }

private:
    static int word(int v) { return v >> 6; }
    static int bit(int v) { return v & 63; }
    void clearTail() { m_words[kWords - 1] &= (std::uint64_t{1} << (kNumberCount % 64)) - 1; }

    std::array<std::uint64_t, kWords> m_words{};
};

} // namespace shrink4
