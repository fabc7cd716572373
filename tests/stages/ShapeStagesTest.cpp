// Stages driven by check boxes and buttons: positional digits, special shapes and
// exclusions, dan groups, digit shapes and AC values.

#include "engine/FilterRun.h"
#include "engine/RunWith.h"
#include "stages/AcValueStage.h"
#include "stages/DanGroupStage.h"
#include "stages/DigitShapeStages.h"
#include "stages/PositionDigitStage.h"
#include "stages/SpecialExclusionStage.h"
#include "stages/SpecialShapeStage.h"

#include <gtest/gtest.h>

using namespace shrink4;
using shrink4::testing::runWith;

TEST(PositionDigit, ToleranceCountsMarkedPositions)
{
    std::array<int, 40> boxes{};
    boxes[7] = 1; // thousands 7
    EXPECT_EQ(positionDigitFailures(boxes, 0, 0).count(), 1000);
    boxes[37] = 1; // units 7
    const auto zeroOne = positionDigitFailures(boxes, 0, 1);
    EXPECT_EQ(zeroOne.count(), 100);
    EXPECT_TRUE(zeroOne.test(7007) && zeroOne.test(7997));
    EXPECT_EQ(positionDigitFailures(boxes, 1, 2).count(), 81 * 100);
    EXPECT_EQ(positionDigitFailures(boxes, 2, 1).count(), 10000);
    EXPECT_EQ(positionDigitFailures(boxes, 0.5, 1.5), positionDigitFailures(boxes, 1, 1));

    std::array<int, 40> row{};
    for (int i = 10; i < 20; ++i)
        row[std::size_t(i)] = 1;
    EXPECT_EQ(positionDigitFailures(row, 0, 0).count(), 10000);
    EXPECT_EQ(positionDigitFailures(row, 1, 1).count(), 0);
}

TEST(PositionDigit, CountsOnceOnlyWhenABoxIsTicked)
{
    EXPECT_EQ(runWith([](auto& in) { in.positionTolerance = {"5", "1"}; }).conditionCount, 0);
    EXPECT_EQ(runWith([](auto& in) { in.positionDigits[3] = 1, in.positionDigits[13] = 1; }).conditionCount, 1);
}

TEST(SpecialShape, ShapesPartitionAllButTheLeopards)
{
    const int expected[6] = {705, 705, 2595, 2595, 1695, 1695};
    NumberSet all;
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(specialShapeSet(k).count(), expected[k]) << captions::kSpecialShapes[std::size_t(k)];
        EXPECT_TRUE((all & specialShapeSet(k)).empty()) << "shapes overlap at " << k;
        all |= specialShapeSet(k);
    }
    EXPECT_EQ(all.count(), 9990);
    EXPECT_TRUE(specialShapeSet(0).test(1113) && !specialShapeSet(0).test(1243));
    for (int v : {1230, 1120, 1200, 1231})
        EXPECT_TRUE(specialShapeSet(2).test(v)) << v;
    EXPECT_TRUE(specialShapeSet(1).test(2100));
    EXPECT_TRUE(specialShapeSet(4).test(1215) && !specialShapeSet(4).test(1225));
}

TEST(SpecialShape, EveryTickedShapeIsACondition)
{
    const auto r = runWith([](auto& in) { in.specialShapes.fill(1); });
    EXPECT_EQ(r.conditionCount, 6);
    EXPECT_EQ(r.list.count, 10);
    // With six conditions a number fails at most one: window [1, 1] keeps all the others.
    EXPECT_EQ(runWith([](auto& in) { in.specialShapes.fill(1), in.totalTolerance = {"1", "1"}; }).list.count, 9990);
}

TEST(SpecialExclusion, TypeSizes)
{
    const int expected[9] = {10, 2900, 7100, 1800, 240, 5040, 4960, 370, 270};
    for (int t = 0; t < 9; ++t)
        EXPECT_EQ(specialExclusionSet(t).count(), expected[t]) << captions::kSpecialExclusions[std::size_t(t)];
}

TEST(SpecialExclusion, RunClassesIncludingWrapAround)
{
    const auto is = [](int type, int v) { return specialExclusionSet(type).test(v); };
    for (int v : {0, 2, 3, 8035})
        EXPECT_TRUE(is(1, v)) << v;
    for (int v : {1, 9, 7163})
        EXPECT_FALSE(is(1, v)) << v;
    for (int v : {1, 9, 10, 7163})
        EXPECT_TRUE(is(2, v)) << v;
    for (int v : {12, 98, 109, 5673})
        EXPECT_TRUE(is(3, v)) << v;
    EXPECT_FALSE(is(3, 13));
    for (int v : {123, 987, 6543, 6789, 7654, 7890, 1098})
        EXPECT_TRUE(is(4, v)) << v;
    EXPECT_EQ(RunClass("0189"), 4);
    EXPECT_EQ(RunClass("019"), 3);
    EXPECT_EQ(RunClass("09"), 2);
    EXPECT_EQ(distinctDigits(3141), "134");
}

TEST(SpecialExclusion, RepeatTypesAndTheTwoPairList)
{
    const auto& list = twoPairListText();
    EXPECT_EQ(list.substr(0, 15), "0011*0022*0033*");
    EXPECT_EQ(list.substr(list.size() - 10), "9977*9988*");
    for (int v : {22, 7447, 3366, 8282})
        EXPECT_TRUE(specialExclusionSet(8).test(v)) << v;
    for (int v : {0, 1, 12})
        EXPECT_FALSE(specialExclusionSet(8).test(v)) << v;
    EXPECT_TRUE(specialExclusionSet(7).test(1) && !specialExclusionSet(7).test(22));
}

TEST(SpecialExclusion, TheFrameIsOneConditionAndFailsOnce)
{
    const auto r = runWith([](auto& in) { in.specialExclusions.fill(1), in.totalTolerance = {"1", "1"}; });
    EXPECT_EQ(r.conditionCount, 1);
    EXPECT_EQ(r.list.count, 10000);
}

TEST(DanGroup, HitsWithAndWithoutRepeatCounting)
{
    DanDigitButtons digits{};
    DanCountButtons counts{};
    digits[9] = true; // group 0, dan digit 9, no count: at least one hit
    auto fails = danGroupFailures(digits, counts, 0, false);
    EXPECT_FALSE(fails.test(9999));
    EXPECT_TRUE(fails.test(1234));

    counts[0] = true; // only "0": numbers without a 9 pass
    EXPECT_EQ((~danGroupFailures(digits, counts, 0, false)).count(), 6561);

    counts = {};
    counts[4] = true;
    EXPECT_EQ((~danGroupFailures(digits, counts, 0, true)).count(), 1);
    counts = {};
    counts[2] = true;
    const auto two = ~danGroupFailures(digits, counts, 0, true);
    EXPECT_EQ(two.count(), 6 * 81);
    EXPECT_TRUE(two.test(990) && two.test(9109));

    digits = {};
    digits[1] = digits[2] = true;
    EXPECT_FALSE(danGroupFailures(digits, counts, 0, false).test(1122));
    EXPECT_TRUE(danGroupFailures(digits, counts, 0, false).test(1111));
}

TEST(DanGroup, ToleranceOverGroups)
{
    DanDigitButtons digits{};
    DanCountButtons counts{};
    digits[1] = true;      // group 0: holds a 1
    digits[10 + 2] = true; // group 1: holds a 2
    const auto both = ~danStageFailures(digits, counts, false, 0, 0);
    EXPECT_TRUE(both.test(1200) && !both.test(1300));
    const auto either = ~danStageFailures(digits, counts, false, 0, 1);
    EXPECT_TRUE(either.test(1300) && !either.test(3456));
    const auto exactlyOne = ~danStageFailures(digits, counts, false, 1, 1);
    EXPECT_TRUE(exactlyOne.test(1300) && !exactlyOne.test(1200));
    EXPECT_EQ(danStageFailures(digits, counts, false, 1.5, 1).count(), 10000);
    EXPECT_EQ(~danStageFailures(digits, counts, false, 0, 1.5), either);
}

TEST(DanGroup, StageCountsOnceAndIgnoresCountsWithoutDigits)
{
    EXPECT_EQ(runWith([](auto& in) { in.danHitCounts[3] = true; }).conditionCount, 0);
    EXPECT_EQ(runWith([](auto& in) { in.danDigits[3] = in.danDigits[25] = true; }).conditionCount, 1);
}

TEST(DanGroup, ButtonRules)
{
    DanDigitButtons digits{};
    DanCountButtons counts{};
    digits[0] = digits[1] = true;
    EXPECT_EQ(danCountClick(digits, counts, 3, 0), DanCountClick::Refuse);
    EXPECT_EQ(danCountClick(digits, counts, 3, 1), DanCountClick::Select);
    EXPECT_EQ(danCountClick(digits, counts, 2, 0), DanCountClick::Select);
    counts[3] = true;
    EXPECT_EQ(danCountClick(digits, counts, 3, 0), DanCountClick::Unselect);
    EXPECT_EQ(danCountClick(digits, counts, 8, 0), DanCountClick::Refuse); // group 1 has no digit

    counts = {};
    counts[10] = true;
    SelectAllDanGroup(digits, counts, 2);
    for (int d = 20; d < 30; ++d)
        EXPECT_TRUE(digits[std::size_t(d)]);
    EXPECT_TRUE(counts[10]); // the "0" count keeps its state
    EXPECT_TRUE(counts[11] && counts[14] && !counts[15]);
    ClearDanGroup(digits, counts, 2);
    EXPECT_FALSE(digits[20] || counts[10] || counts[14]);
    EXPECT_TRUE(digits[0]);
}

TEST(DigitShapes, CaptionsAndCodes)
{
    const auto& bigSmall = kDigitShapeFamilies[0];
    EXPECT_EQ(shapeCode(bigSmall, 5050), "大小大小");
    EXPECT_EQ(shapeCode(kDigitShapeFamilies[2], 1237), "质质质质");
    EXPECT_EQ(shapeCode(kDigitShapeFamilies[3], 1470), "1110");
    std::array<int, 16> ticked{};
    ticked[10] = 1; // "大小大小"
    const auto fails = digitShapeFailures(bigSmall, ticked);
    EXPECT_TRUE(fails.test(5050) && fails.test(9183) && !fails.test(505));
    ticked.fill(1);
    for (std::size_t f = 0; f < 3; ++f)
        EXPECT_EQ(digitShapeFailures(kDigitShapeFamilies[f], ticked).count(), 10000);
}

TEST(DigitShapes, EveryCaptionNamesItsCodesOnce)
{
    for (const auto& family : kDigitShapeFamilies) {
        std::vector<int> boxes(family.captions.size(), 0);
        int total = 0;
        for (std::size_t k = 0; k < boxes.size(); ++k) {
            boxes.assign(boxes.size(), 0);
            boxes[k] = 1;
            const int n = digitShapeFailures(family, boxes).count();
            EXPECT_GT(n, 0) << controlMeta(family.control).key << " " << k;
            total += n;
        }
        EXPECT_EQ(total, 10000) << controlMeta(family.control).key;
    }
    std::vector<int> road(81, 0);
    road[0] = 1;
    EXPECT_EQ(digitShapeFailures(kDigitShapeFamilies[3], road).count(), 256);
    road[0] = 0, road[80] = 1; // "2222": digits from 2, 5 and 8 only
    EXPECT_EQ(digitShapeFailures(kDigitShapeFamilies[3], road).count(), 81);
}

TEST(DigitShapes, EachTickedFamilyIsOneCondition)
{
    const auto r = runWith([](auto& in) {
        in.bigSmallShapes[0] = 1;
        in.oddEvenShapes[0] = 1;
        in.primeCompositeShapes[0] = 1;
        in.roadShapes[0] = 2; // greyed
        in.totalTolerance = {"3", "3"};
    });
    EXPECT_EQ(r.conditionCount, 3);
    // 5, 7 are big, odd and prime at once; 9 is big and odd but composite.
    EXPECT_EQ(r.list.count, 16); // digits from {5, 7}
}

TEST(AcValue, DistinctDifferences)
{
    EXPECT_EQ(AcValue(1111), 1);
    EXPECT_EQ(AcValue(1234), 3);
    EXPECT_EQ(AcValue(1123), 3);
    EXPECT_EQ(AcValue(259), 6);
    EXPECT_EQ(acValueSet(1).count(), 10);
    int total = 0;
    for (int ac = 1; ac <= 6; ++ac)
        total += acValueSet(ac).count();
    EXPECT_EQ(total, 10000);
    EXPECT_EQ(runWith([](auto& in) { in.acValues.fill(1); }).verdict.count(), 0);
    EXPECT_EQ(runWith([](auto& in) { in.acValues[5] = 1; }).conditionCount, 1);
}

TEST(AllFamilies, TickedTogetherEachCountOnce)
{
    const auto r = runWith([](auto& in) {
        in.sumTails[1] = in.spans[2] = in.universalDigits[3] = 1;
        in.positionDigits[4] = in.acValues[0] = in.specialExclusions[0] = 1;
        in.specialShapes[0] = in.specialShapes[1] = 1;
        in.bigSmallShapes[1] = in.oddEvenShapes[1] = in.primeCompositeShapes[1] = 1;
        in.roadShapes[1] = 1;
        in.danDigits[5] = true;
        in.totalTolerance = {"0", "99"};
    });
    EXPECT_EQ(r.conditionCount, 13); // two shapes count twice, every other family once
    EXPECT_EQ(r.list.count, 10000);
}
