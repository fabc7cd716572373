#include "NumberTables.h"

namespace shrink4 {

const std::array<DigitRow, kNumberCount>& digitTable()
{
    static const auto table = [] {
        std::array<DigitRow, kNumberCount> t{};
        for (int v = 0; v < kNumberCount; ++v)
            t[std::size_t(v)] = {std::uint8_t(v / 1000), std::uint8_t(v / 100 % 10), std::uint8_t(v / 10 % 10),
                                 std::uint8_t(v % 10)};
        return t;
    }();
    return table;
}

namespace {

struct DigitSets {
    std::array<std::array<NumberSet, 10>, 4> atPosition{};
    std::array<NumberSet, 10> anywhere{};
};

const DigitSets& digitSets()
{
    static const DigitSets sets = [] {
        DigitSets s;
        const auto& digits = digitTable();
        for (int v = 0; v < kNumberCount; ++v)
            for (int p = 0; p < 4; ++p) {
                const int d = digits[std::size_t(v)][std::size_t(p)];
                s.atPosition[std::size_t(p)][std::size_t(d)].set(v);
                s.anywhere[std::size_t(d)].set(v);
            }
        return s;
    }();
    return sets;
}

} // namespace

const NumberSet& positionDigitSet(int p, int d)
{
    return digitSets().atPosition[std::size_t(p)][std::size_t(d)];
}

const NumberSet& containsDigitSet(int d)
{
    return digitSets().anywhere[std::size_t(d)];
}

NumberSet positionDigitsSet(int p, unsigned mask10)
{
    NumberSet s;
    for (int d = 0; d < 10; ++d)
        if (mask10 >> d & 1u)
            s |= positionDigitSet(p, d);
    return s;
}

} // namespace shrink4
