// Rules pick with the stated measures and ties, compared as whole numbers, parse strictly,
// and tick boxes without unticking any.

#include "trends/TrendFigures.h"
#include "trends/TrendRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

using namespace shrink4;
using namespace shrink4::trends;

namespace {

std::vector<int> pick(Leaning leaning, int count, int draws, const std::vector<int>& hits,
                      const std::vector<int>& current, const std::vector<int>& shares)
{
    return pickTrack(leaning, count, {draws, hits, current, shares});
}

} // namespace

TEST(TrendRules, ColdTiesGoToFewerHitsThenTheEarlierValue)
{
    //                       value: 0  1  2  3  4
    const std::vector<int> hits = {1, 0, 2, 0, 5};
    const std::vector<int> current = {4, 4, 4, 4, 0};
    const std::vector<int> shares(5, 1000);
    EXPECT_EQ(pick(Leaning::cold, 1, 9, hits, current, shares), std::vector<int>{1});
    EXPECT_EQ(pick(Leaning::cold, 2, 9, hits, current, shares), (std::vector<int>{1, 3}));
    EXPECT_EQ(pick(Leaning::cold, 3, 9, hits, current, shares), (std::vector<int>{0, 1, 3})); // family order
    EXPECT_EQ(pick(Leaning::cold, 99, 9, hits, current, shares), (std::vector<int>{0, 1, 2, 3, 4}));

    // Current x share, not current: sum 17 (660 of 10000) missing 20 draws is colder than
    // sum 01 (4 of 10000) missing 100.
    EXPECT_EQ(pick(Leaning::cold, 1, 100, {0, 5}, {100, 20}, {4, 660}), std::vector<int>{1});
    // Sum 09 (220) missing 9 draws and sum 17 (660) missing 3 tie exactly at 1980 (as
    // fractions of 10000 they differ in the last bit): fewer hits, then the earlier value.
    EXPECT_EQ(pick(Leaning::cold, 1, 30, {2, 1}, {9, 3}, {220, 660}), std::vector<int>{1});
    EXPECT_EQ(pick(Leaning::cold, 1, 30, {1, 1}, {9, 3}, {220, 660}), std::vector<int>{0});
    EXPECT_EQ(pick(Leaning::cold, 1, 30, {1, 1}, {3, 9}, {660, 220}), std::vector<int>{0});
}

TEST(TrendRules, HotTiesGoToSmallerCurrentThenTheEarlierValue)
{
    const std::vector<int> hits = {3, 3, 3, 1, 3};
    const std::vector<int> current = {2, 0, 2, 0, 5};
    const std::vector<int> shares(5, 1000);
    EXPECT_EQ(pick(Leaning::hot, 1, 9, hits, current, shares), std::vector<int>{1});
    EXPECT_EQ(pick(Leaning::hot, 2, 9, hits, current, shares), (std::vector<int>{0, 1}));
    EXPECT_EQ(pick(Leaning::hot, 4, 9, hits, current, shares), (std::vector<int>{0, 1, 2, 4}));

    // Hits - expected, not hits: over 100 draws sum 18 (expected 6.7) drawn 7 times is less
    // hot than sum 03 (expected 0.2) drawn twice.
    EXPECT_EQ(pick(Leaning::hot, 1, 100, {7, 2}, {0, 50}, {670, 20}), std::vector<int>{1});
    // Over 16 draws sum 04 (35) not drawn and sum 17 (660) drawn once are both 0.056 short,
    // exactly (not in floating point): the smaller current, then the earlier value.
    EXPECT_EQ(pick(Leaning::hot, 1, 16, {0, 1}, {16, 3}, {35, 660}), std::vector<int>{1});
    EXPECT_EQ(pick(Leaning::hot, 1, 16, {1, 0}, {16, 16}, {660, 35}), std::vector<int>{0});
    EXPECT_EQ(pick(Leaning::hot, 1, 16, {0, 1}, {16, 16}, {35, 660}), std::vector<int>{0});
}

// Where every value of a track has the same share (each position, digit, sum_tail and three
// of the shapes), cold is the largest current and hot the most hits, as before shares counted.
TEST(TrendRules, EqualSharesKeepTheOrderOfCurrentAndHits)
{
    std::vector<int> alike;
    for (int track = 0; track < kTrackCount; ++track) {
        const auto shares = shareCounts(track);
        if (std::all_of(shares.begin(), shares.end(), [&](int c) { return c == shares.front(); }))
            alike.push_back(track);
    }
    // The shapes too: 大小, 奇偶 and 质合 split the digits five and five (625 numbers each).
    EXPECT_EQ(alike,
              (std::vector<int>{0, 1, 2, 3, trackOf(Family::digit), trackOf(Family::sumTail), trackOf(Family::bigSmall),
                                trackOf(Family::oddEven), trackOf(Family::primeComposite)}));
    std::mt19937 rng(5);
    for (int round = 0; round < 30; ++round) {
        std::vector<Draw> draws;
        for (int i = 0, n = 1 + int(rng() % 40); i < n; ++i)
            draws.push_back({std::nullopt, int(rng() % 10000), i + 1});
        const auto figures = windowFigures(draws);
        const int k = 1 + int(rng() % 6);
        for (const int track : alike) {
            const auto c = figures.countsOf(track);
            std::vector<int> cold(c.hits.size()), hot(c.hits.size());
            std::iota(cold.begin(), cold.end(), 0);
            std::iota(hot.begin(), hot.end(), 0);
            std::stable_sort(cold.begin(), cold.end(), [&](int a, int b) {
                return std::pair(-c.current[std::size_t(a)], c.hits[std::size_t(a)])
                       < std::pair(-c.current[std::size_t(b)], c.hits[std::size_t(b)]);
            });
            std::stable_sort(hot.begin(), hot.end(), [&](int a, int b) {
                return std::pair(-c.hits[std::size_t(a)], c.current[std::size_t(a)])
                       < std::pair(-c.hits[std::size_t(b)], c.current[std::size_t(b)]);
            });
            for (auto* order : {&cold, &hot}) {
                order->resize(std::size_t(k));
                std::sort(order->begin(), order->end());
            }
            EXPECT_EQ(pickTrack(Leaning::cold, k, c), cold) << track;
            EXPECT_EQ(pickTrack(Leaning::hot, k, c), hot) << track;
        }
    }
}

TEST(TrendRules, Parsing)
{
    std::string error;
    EXPECT_EQ(parseRule("position:cold:2", &error), (Rule{Family::position, Leaning::cold, 2}));
    EXPECT_EQ(parseRule("position1:hot:3", &error), (Rule{Family::position, Leaning::hot, 3, 1}));
    EXPECT_EQ(parseRule("position4:cold:1", &error), (Rule{Family::position, Leaning::cold, 1, 4}));
    EXPECT_EQ(parseRule("prime_composite:hot:16", &error), (Rule{Family::primeComposite, Leaning::hot, 16}));
    EXPECT_EQ(ruleText(*parseRule("sum_tail:hot:3", &error)), "sum_tail:hot:3");
    EXPECT_EQ(ruleText(*parseRule("position3:cold:2", &error)), "position3:cold:2");
    for (const char* bad : {"", "digit", "digit:cold", "digit:cold:0", "digit:cold:-1", "digit:cold:2x", "digit:warm:2",
                            "Digit:cold:2", "digit:cold:2:1", "digit:cold:99999999999", "position0:cold:1",
                            "position5:cold:1", "position12:cold:1", "digit1:cold:1", "position 1:cold:1"}) {
        error.clear();
        EXPECT_FALSE(parseRule(bad, &error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
}

// position2 picks and ticks the hundreds alone; position picks at each of the four.
TEST(TrendRules, OnePositionAlone)
{
    const auto counts = [](int track) {
        static const std::vector<int> hits(10, 0), current = {5, 9, 2, 9, 0, 1, 1, 1, 1, 1};
        return TrackCounts{9, hits, current, shareCounts(track)};
    };
    const auto hundreds = pickRule({Family::position, Leaning::cold, 2, 2}, counts);
    EXPECT_EQ(hundreds, (std::vector<TrackPick>{{trackOf(Family::position, 2), {1, 3}}}));
    EXPECT_EQ(pickRule({Family::position, Leaning::cold, 2}, counts).size(), 4U);
    EXPECT_EQ(trackRule(trackOf(Family::position, 2), Leaning::cold, 2), (Rule{Family::position, Leaning::cold, 2, 2}));
    EXPECT_EQ(trackRule(trackOf(Family::sum), Leaning::hot, 3), (Rule{Family::sum, Leaning::hot, 3}));
    EXPECT_EQ(ruleCaption({Family::position, Leaning::cold, 2, 2}), "百位");
    EXPECT_EQ(ruleCaption({Family::position, Leaning::cold, 2}), "定位");

    ConditionInputs in;
    applyPicks(in, hundreds);
    for (int box = 0; box < 40; ++box)
        EXPECT_EQ(in.positionDigits[std::size_t(box)], box == 11 || box == 13 ? 1 : 0) << box;
}

TEST(TrendRules, ApplyingTicksAndNeverUnticks)
{
    ConditionInputs in;
    in.positionDigits[10 + 3] = 1; // hundreds 3 already ticked
    in.positionDigits[10 + 4] = 2; // hundreds 4 greyed
    in.positionDigits[10 + 5] = 1; // ticked, not picked
    in.acValues[0] = 2;
    const ConditionInputs before = in;
    const std::vector<TrackPick> picks = {{trackOf(Family::position, 2), {3, 4}},
                                          {trackOf(Family::position, 4), {0}},
                                          {trackOf(Family::ac), {5}},
                                          {trackOf(Family::road), {80}}};
    applyPicks(in, picks);
    EXPECT_EQ(in.positionDigits[13], 1);
    EXPECT_EQ(in.positionDigits[14], 1);
    EXPECT_EQ(in.positionDigits[15], 1);
    EXPECT_EQ(in.positionDigits[30], 1);
    EXPECT_EQ(in.acValues[5], 1);
    EXPECT_EQ(in.acValues[0], 2); // not picked: left greyed
    EXPECT_EQ(in.roadShapes[80], 1);
    // Nothing else moved, tolerances included.
    in.positionDigits[14] = 2;
    in.positionDigits[30] = 0;
    in.acValues[5] = 0;
    in.roadShapes[80] = 0;
    EXPECT_EQ(in, before);
}

TEST(TrendRules, PickedSumsReplaceAnEmptyBoxOrAreAppended)
{
    const std::vector<TrackPick> picks = {{trackOf(Family::sum), {5, 17, 23}}};
    const auto applied = [&](std::string box) {
        ConditionInputs in;
        in.sumValues = std::move(box);
        applyPicks(in, picks);
        return in.sumValues;
    };
    EXPECT_EQ(applied(""), "05.17.23");
    EXPECT_EQ(applied(" \r\n"), "05.17.23");
    EXPECT_EQ(applied(std::string(controlMeta(ControlId::sumValues).help)), "05.17.23");
    EXPECT_EQ(applied("18"), "18.05.17.23");
    EXPECT_EQ(applied("00.36"), "00.36.05.17.23");
}
