// Pastes of 10 MB into every text input of the engine and the tools. Each stage reads its
// text in one pass, so these finish quickly; the checks are about the results, which must
// be those of the same text at everyday size, or known outright.

#include "engine/BasePool.h"
#include "engine/FilterRun.h"
#include "engine/RunWith.h"
#include "engine/PrizeCheck.h"
#include "core/TextScan.h"
#include "stages/CodeListStages.h"
#include "stages/JunkCompoundStage.h"
#include "stages/PositionalKillStage.h"
#include "stages/StraightKillStage.h"
#include "stages/SumStages.h"
#include "tools/ListSetOperations.h"
#include "tools/SpliceFilter.h"
#include "tools/SplicePages.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <limits>
#include <string>
#include <vector>

namespace {

using namespace shrink4;

constexpr std::size_t kPaste = 10u << 20; // 10 MB

// The pieces one after another (appending sidesteps a false GCC 12 -Wrestrict alarm that
// "literal" + std::string raises at -O3).
std::string cat(std::initializer_list<std::string_view> pieces)
{
    std::string s;
    for (auto piece : pieces)
        s.append(piece);
    return s;
}

// unit repeated until the text reaches 10 MB.
std::string pasteOf(std::string_view unit)
{
    std::string s;
    s.reserve(kPaste + unit.size());
    while (s.size() < kPaste)
        s += unit;
    return s;
}

std::string fourDigits(int v)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "%04d", v);
    return buf;
}

// Every number 0000..9999 separated by commas, repeated to 10 MB.
std::string allNumbersPaste()
{
    std::string unit;
    for (int v = 0; v < kNumberCount; ++v)
        unit += fourDigits(v) + ",";
    return pasteOf(unit);
}

NumberSet setOf(std::initializer_list<int> values)
{
    NumberSet s;
    for (int v : values)
        s.set(v);
    return s;
}

TEST(LargePaste, FourDigitWindowsOfTenMegabytes)
{
    EXPECT_EQ(fourDigitWindows(allNumbersPaste()), NumberSet::all());
    // Runs of three digits never form a number; one number at the very end still counts.
    EXPECT_TRUE(fourDigitWindows(pasteOf("123 ")).empty());
    EXPECT_EQ(fourDigitWindows(pasteOf("abc \r\n") + "5678"), setOf({5678}));
    // One 10 MB run of digits contributes each of its ten distinct windows.
    EXPECT_EQ(fourDigitWindows(pasteOf("0123456789")),
              setOf({123, 1234, 2345, 3456, 4567, 5678, 6789, 7890, 8901, 9012}));

    EXPECT_EQ(straightKillSet(pasteOf("1234  ")), setOf({1234}));
    const std::string pool = pasteOf("0042 ") + "大底号码，双击清空";
    EXPECT_TRUE(basePoolActive(pool)); // the help text's words below numbers switch nothing off
    EXPECT_FALSE(basePoolActive(pasteOf(" \r\n\t\u3000") + std::string(help::kBasePool) + "\r\n"));
    EXPECT_TRUE(basePoolActive(pasteOf("0042 ")));
    EXPECT_EQ(basePoolMembers(pasteOf("0042 ")), setOf({42}));
}

TEST(LargePaste, CodeListsOfTenMegabytes)
{
    const std::string list = NormalizeDigitGroups(pasteOf("12,34;\r\n"));
    EXPECT_EQ(list.find_first_not_of("1234 "), std::string::npos);
    EXPECT_EQ(list.find("  "), std::string::npos);
    EXPECT_EQ(list.substr(0, 6), "12 34 ");
    EXPECT_EQ(list.back(), '4');
    EXPECT_EQ(numbersContainingAnyCode(list, 2), numbersContainingAnyCode("12 34", 2));
    EXPECT_EQ(numbersContainingAnyCode(list, 3), NumberSet{});

    // A 10 MB run of separators between two groups still becomes one space.
    EXPECT_EQ(NormalizeDigitGroups(cat({"7", pasteOf("，;x\r\n"), "89"})), "7 89");
    EXPECT_TRUE(codeListActive(pasteOf(" ") + "5"));
    EXPECT_FALSE(codeListActive(pasteOf("不懂 \r\n")));
}

TEST(LargePaste, CompoundLinesOfTenMegabytes)
{
    const NumberSet eight = junkCompoundSet("12*34*5*67");
    EXPECT_EQ(eight.count(), 8);
    EXPECT_EQ(junkCompoundSet(pasteOf("12*34*5*67\r\n")), eight);
    EXPECT_EQ(junkCompoundSet(pasteOf("12*34*5*67\r\n") + "9*9*9*9"), eight | setOf({9999}));
    // One line of 10 MB with many stars is not a compound line.
    EXPECT_TRUE(junkCompoundSet(pasteOf("1*2*")).empty());
}

TEST(LargePaste, PositionalPatternsOfTenMegabytes)
{
    const NumberSet expected = positionalKillSet("1**8 45**");
    EXPECT_EQ(expected.count(), 200);
    EXPECT_EQ(positionalKillSet(pasteOf("1**8   \r\n") + "45**"), expected);
    EXPECT_EQ(positionalKillSet(pasteOf("1**8 ") + "入").count(), 100); // a help text word is no switch
    EXPECT_TRUE(positionalKillSet(pasteOf("12 123 12345 ")).empty());
}

TEST(LargePaste, SumValuesOfTenMegabytes)
{
    EXPECT_EQ(sumValueSet(pasteOf("00.") + "36"), setOf({0, 9999}));
    EXPECT_EQ(sumValueSet(pasteOf("05.") + "：").count(), 56); // a help text colon is no switch
    EXPECT_TRUE(sumValueSet(pasteOf("5 ")).empty());
}

TEST(LargePaste, RangeBoxesOfTenMegabytes)
{
    EXPECT_EQ(toleranceBound(pasteOf(" ") + "3"), 3);
    EXPECT_EQ(toleranceBound(cat({"1", pasteOf("0")})), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(toleranceBound(cat({"-", pasteOf("9")})), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(toleranceBound(cat({"2", pasteOf("x")})), 2);
}

// A fraction too small for a double must read as 0, not as the largest bound.
TEST(LargePaste, TinyFractionInARangeBoxIsZero)
{
    EXPECT_EQ(toleranceBound(cat({"0.", std::string(330, '0'), "1"})), 0);
    EXPECT_EQ(toleranceBound(cat({"0.", pasteOf("0"), "1"})), 0);
}

TEST(LargePaste, PrizeBoxOfTenMegabytes)
{
    const std::vector<std::string> lines{"0012  0345  "};
    EXPECT_EQ(checkPrize("0012  0345  ", lines, pasteOf("1")).caption, prize::kIncomplete);
    const PrizeVerdict spaced = checkPrize("0012  0345  ", lines, pasteOf(" ") + "0345" + pasteOf(" "));
    EXPECT_EQ(spaced.caption, prize::kWin);
    EXPECT_EQ(spaced.selectedLines, std::vector<int>{0});
}

TEST(LargePaste, WholeRunWithEveryTextBoxFull)
{
    ConditionInputs in;
    in.straightKills = pasteOf("1234 ");
    in.junkCompounds = pasteOf("12*34*5*67\r\n");
    in.killTwoCodes = pasteOf("99,");
    in.mustTwoCodes = pasteOf("\r\n") + "0"; // one lone digit: every number fails
    in.killThreeCodes = pasteOf("x") + "777";
    in.mustThreeCodes = std::string(help::kCodeList); // help text: off, not counted
    in.positionalKills = pasteOf("1**8 ");
    in.sumValues = pasteOf("00.") + "36";
    in.basePool = allNumbersPaste();
    in.totalTolerance = {cat({pasteOf(" "), "1"}), cat({"1", pasteOf(" ")})};

    const NumberSet killed[] = {setOf({1234}),
                                junkCompoundSet("12*34*5*67"),
                                numbersContainingAnyCode("99", 2),
                                numbersContainingAnyCode("777", 3),
                                positionalKillSet("1**8"),
                                setOf({0, 9999})};
    // Tolerance [1, 1]: exactly one failure. Every number fails the must-contain box, so
    // the survivors are those that fail nothing else.
    NumberSet expected = NumberSet::all();
    for (const auto& set : killed)
        expected = expected.minus(set);

    const RunResult run = filterRun(in);
    EXPECT_EQ(run.conditionCount, 7); // the text boxes except the one left at its help text
    EXPECT_EQ(run.verdict, expected);
    EXPECT_TRUE(run.outsidePool.empty());
    EXPECT_EQ(run.list.count, expected.count());
    ASSERT_EQ(run.rewritten.size(), 3u);
    EXPECT_EQ(keyedRewrites(run)[1], (std::pair<std::string, std::string>{"T_main_bichu_2ma", "0"}));
    EXPECT_EQ(keyedRewrites(run)[2], (std::pair<std::string, std::string>{"T_main_sha_3ma", "777"}));
}

TEST(LargePaste, SetToolOfTenMegabytes)
{
    const std::string a = allNumbersPaste();
    const std::string b = pasteOf("abc ") + "0042";
    const ListSetResult both = applyListSetOperation(ListSetOperation::Intersection, a, b);
    EXPECT_EQ(both.text, "0042");
    EXPECT_EQ(both.count, 1);
    const ListSetResult either = applyListSetOperation(ListSetOperation::Union, a, b);
    EXPECT_EQ(either.count, 10000);
    EXPECT_EQ(either.text.size(), 10000u * 5 - 1);
    EXPECT_EQ(applyListSetOperation(ListSetOperation::AMinusB, a, b).count, 9999);
    EXPECT_EQ(applyListSetOperation(ListSetOperation::BMinusA, a, b).text, "");
}

TEST(LargePaste, SpliceBoxesOfTenMegabytes)
{
    // Pasted text: any run of separators, however long, becomes one space.
    EXPECT_EQ(NormalizeDigitGroups(cat({"1", pasteOf(","), "2"})), "1 2");
    const std::string groups = NormalizeDigitGroups(pasteOf("12;\r\n"));
    EXPECT_EQ(digitGroupCount(groups), int(kPaste / 5));
    EXPECT_EQ(groups.find("  "), std::string::npos);

    const SplicePage& page45 = *findSplicePage("45");
    const std::string box0 = pasteOf("1234 ");
    const std::string_view keep[] = {box0};
    const auto kept = runSplice(page45, keep, SpliceMode::Keep);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->count, 10);
    EXPECT_EQ(kept->text.substr(0, 11), "12340 12341");

    // Every box of a five-digit page full: the result equals that of one copy of the text.
    const SplicePage& page35 = *findSplicePage("35");
    const std::string big = pasteOf("123 456\r\n");
    std::vector<std::string_view> bigBoxes(std::size_t(page35.boxCount), big);
    std::vector<std::string_view> smallBoxes(std::size_t(page35.boxCount), "123 456");
    for (SpliceMode mode : {SpliceMode::Keep, SpliceMode::Delete}) {
        const auto fromBig = runSplice(page35, bigBoxes, mode);
        const auto fromSmall = runSplice(page35, smallBoxes, mode);
        ASSERT_TRUE(fromBig && fromSmall);
        EXPECT_EQ(fromBig->count, fromSmall->count);
        EXPECT_EQ(fromBig->text, fromSmall->text);
    }
}

} // namespace
