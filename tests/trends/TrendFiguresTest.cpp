// The figures of past draws counted by hand on a few draws, and against the literal count
// on random windows.

#include "reference/ReferenceTrends.h"
#include "trends/TrendFigures.h"

#include <gtest/gtest.h>

#include <random>

using namespace shrink4;
using namespace shrink4::trends;

namespace {

std::vector<Draw> drawsOf(std::initializer_list<int> numbers)
{
    std::vector<Draw> draws;
    for (int n : numbers)
        draws.push_back({std::nullopt, n, int(draws.size()) + 1});
    return draws;
}

int valueIndex(Family family, std::string_view text)
{
    const auto values = familyInfo(family).values;
    return int(std::find(values.begin(), values.end(), text) - values.begin());
}

} // namespace

TEST(TrendFigures, CountedByHand)
{
    const auto draws = drawsOf({1234, 5678, 1290});
    const auto f = windowFigures(draws);
    const int thousands = trackOf(Family::position, 1);

    const auto one = f.at(thousands, 1); // drawn first and last
    EXPECT_EQ(one.hits, 2);
    EXPECT_EQ(one.current, 0);
    EXPECT_EQ(one.max, 1);
    EXPECT_DOUBLE_EQ(one.average, 1.0 / 3);
    EXPECT_DOUBLE_EQ(one.expected, 0.3);

    const auto five = f.at(thousands, 5); // a run on each side of its one show
    EXPECT_EQ(five.hits, 1);
    EXPECT_EQ(five.current, 1);
    EXPECT_EQ(five.max, 1);

    const auto zero = f.at(thousands, 0); // never drawn
    EXPECT_EQ(zero.hits, 0);
    EXPECT_EQ(zero.current, 3);
    EXPECT_EQ(zero.max, 3);
    EXPECT_DOUBLE_EQ(zero.average, 3.0);

    const auto two = f.at(trackOf(Family::digit), 2); // in 1234 and 1290, at any place
    EXPECT_EQ(two.hits, 2);
    EXPECT_EQ(two.max, 1);
    EXPECT_DOUBLE_EQ(two.expected, 3 * 0.3439);

    const int sums = trackOf(Family::sum);
    EXPECT_EQ(f.at(sums, 10).current, 2);
    EXPECT_EQ(f.at(sums, 26).current, 1);
    EXPECT_EQ(f.at(sums, 12).current, 0);
    EXPECT_DOUBLE_EQ(f.at(sums, 18).expected, 3 * 0.067);
}

// The values a number shows are those of the stages that kill it.
TEST(TrendFigures, ValuesOfOneDraw)
{
    const auto shown = [](Family family, int number) {
        const auto values = shownValues(trackOf(family), number);
        return std::vector<int>(values.begin(), values.end());
    };
    EXPECT_EQ(shown(Family::digit, 1224), (std::vector<int>{1, 2, 4}));
    EXPECT_EQ(shown(Family::ac, 1234), std::vector<int>{2}); // differences 1, 2, 3: AC 3
    EXPECT_EQ(shown(Family::bigSmall, 1234), std::vector<int>{valueIndex(Family::bigSmall, "小小小小")});
    EXPECT_EQ(shown(Family::oddEven, 1234), std::vector<int>{valueIndex(Family::oddEven, "奇偶奇偶")});
    EXPECT_EQ(shown(Family::road, 1234), std::vector<int>{valueIndex(Family::road, "1201")});
    EXPECT_EQ(shown(Family::span, 1290), std::vector<int>{9});
    EXPECT_EQ(shown(Family::sumTail, 5678), std::vector<int>{6});
}

// A window of one draw: what it shows is current 0, everything else 1.
TEST(TrendFigures, WindowAtTheFirstDraw)
{
    const auto f = windowFigures(drawsOf({1234}));
    const int thousands = trackOf(Family::position, 1);
    EXPECT_EQ(f.at(thousands, 1).current, 0);
    EXPECT_EQ(f.at(thousands, 1).max, 0);
    EXPECT_DOUBLE_EQ(f.at(thousands, 1).average, 0.0);
    EXPECT_EQ(f.at(thousands, 0).current, 1);
    EXPECT_EQ(f.at(thousands, 0).max, 1);
    const auto grid = positionOmissions(drawsOf({1234}));
    EXPECT_EQ(grid[0].front()[1], 0);
    EXPECT_EQ(grid[0].front()[0], 1);
}

// The grid's last row is each digit's current omission at that position.
TEST(TrendFigures, GridEndsAtTheCurrentOmission)
{
    std::mt19937 rng(4);
    std::vector<Draw> draws;
    for (int i = 0; i < 60; ++i)
        draws.push_back({std::nullopt, int(rng() % 10000), i + 1});
    const auto f = windowFigures(draws);
    const auto grid = positionOmissions(draws);
    for (int p = 1; p <= 4; ++p)
        for (int d = 0; d < 10; ++d)
            EXPECT_EQ(grid[std::size_t(p - 1)].back()[std::size_t(d)], f.at(trackOf(Family::position, p), d).current);
}

TEST(TrendFigures, EveryValueAsTheLiteralCount)
{
    std::mt19937 rng(11);
    for (int round = 0; round < 20; ++round) {
        std::vector<Draw> draws;
        const int n = 1 + int(rng() % 80);
        // Few distinct numbers now and then, so that values repeat and runs are long.
        const int spread = round % 3 == 0 ? 12 : 10000;
        for (int i = 0; i < n; ++i)
            draws.push_back({std::nullopt, int(rng() % unsigned(spread)) * (10000 / spread), i + 1});
        const auto f = windowFigures(draws);
        const auto literal = reference::referenceFigures(draws);
        for (int track = 0; track < kTrackCount; ++track)
            for (int v = 0; v < valueCount(track); ++v) {
                const auto& l = literal[std::size_t(track)][std::size_t(v)];
                const auto e = f.at(track, v);
                ASSERT_EQ(std::tuple(e.hits, e.current, e.max, shareCounts(track)[std::size_t(v)]),
                          std::tuple(l.hits, l.current, l.max, l.share))
                    << "track " << track << " value " << v << " round " << round;
                ASSERT_DOUBLE_EQ(e.overdue, l.current * l.share / 10000.0);
            }
    }
}
