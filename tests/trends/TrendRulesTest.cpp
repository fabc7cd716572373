// Rules pick with the stated ties, parse strictly, and tick boxes without unticking any.

#include "trends/TrendRules.h"

#include <gtest/gtest.h>

using namespace shrink4;
using namespace shrink4::trends;

TEST(TrendRules, ColdTiesGoToFewerHitsThenTheEarlierValue)
{
    //                       value: 0  1  2  3  4
    const std::vector<int> hits = {1, 0, 2, 0, 5};
    const std::vector<int> current = {4, 4, 4, 4, 0};
    EXPECT_EQ(pickTrack(Leaning::cold, 1, hits, current), std::vector<int>{1});
    EXPECT_EQ(pickTrack(Leaning::cold, 2, hits, current), (std::vector<int>{1, 3}));
    EXPECT_EQ(pickTrack(Leaning::cold, 3, hits, current), (std::vector<int>{0, 1, 3})); // family order
    EXPECT_EQ(pickTrack(Leaning::cold, 99, hits, current), (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST(TrendRules, HotTiesGoToSmallerCurrentThenTheEarlierValue)
{
    const std::vector<int> hits = {3, 3, 3, 1, 3};
    const std::vector<int> current = {2, 0, 2, 0, 5};
    EXPECT_EQ(pickTrack(Leaning::hot, 1, hits, current), std::vector<int>{1});
    EXPECT_EQ(pickTrack(Leaning::hot, 2, hits, current), (std::vector<int>{0, 1}));
    EXPECT_EQ(pickTrack(Leaning::hot, 4, hits, current), (std::vector<int>{0, 1, 2, 4}));
}

TEST(TrendRules, Parsing)
{
    std::string error;
    EXPECT_EQ(parseRule("position:cold:2", &error), (Rule{Family::position, Leaning::cold, 2}));
    EXPECT_EQ(parseRule("prime_composite:hot:16", &error), (Rule{Family::primeComposite, Leaning::hot, 16}));
    EXPECT_EQ(ruleText(*parseRule("sum_tail:hot:3", &error)), "sum_tail:hot:3");
    for (const char* bad : {"", "digit", "digit:cold", "digit:cold:0", "digit:cold:-1", "digit:cold:2x", "digit:warm:2",
                            "Digit:cold:2", "digit:cold:2:1", "digit:cold:99999999999"}) {
        error.clear();
        EXPECT_FALSE(parseRule(bad, &error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
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
