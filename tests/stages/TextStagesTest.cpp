// Stages that read typed text: straight kill, compound lines, code lists, positional
// patterns and sum values.

#include "engine/FilterRun.h"
#include "engine/RunWith.h"
#include "core/NumberTables.h"
#include "core/TextScan.h"
#include "stages/CodeListStages.h"
#include "stages/ContainsCode.h"
#include "stages/JunkCompoundStage.h"
#include "stages/PositionalKillStage.h"
#include "stages/StraightKillStage.h"
#include "stages/SumStages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

using namespace shrink4;

namespace {

std::vector<int> members(const NumberSet& s)
{
    std::vector<int> v;
    s.forEach([&](int x) { v.push_back(x); });
    return v;
}

} // namespace

TEST(StraightKill, SubstringWindowsOfTheTrimmedText)
{
    EXPECT_EQ(members(straightKillSet("1234")), (std::vector<int>{1234}));
    EXPECT_EQ(members(straightKillSet("12345")), (std::vector<int>{1234, 2345}));
    EXPECT_EQ(members(straightKillSet("1234,5678")), (std::vector<int>{1234, 5678}));
    EXPECT_TRUE(straightKillSet("123").empty());
    EXPECT_TRUE(straightKillSet(help::kStraightKill).empty());
    EXPECT_TRUE(straightKillSet("１２３４").empty()); // full-width digits are not digits
}

TEST(JunkCompound, LinesCoverTheProductOfTheirFields)
{
    EXPECT_EQ(members(junkCompoundSet("12*34*5*67")),
              (std::vector<int>{1356, 1357, 1456, 1457, 2356, 2357, 2456, 2457}));
    EXPECT_EQ(junkCompoundSet("0123456789*0123456789*0123456789*0123456789").count(), 10000);
    EXPECT_EQ(members(junkCompoundSet("1,2*3*4*5")), (std::vector<int>{1345, 2345}));
}

TEST(JunkCompound, MalformedLinesAreIgnored)
{
    EXPECT_TRUE(junkCompoundSet("1**2*3").empty());           // an empty field allows no digit
    EXPECT_TRUE(junkCompoundSet("1*2*3*4*5").empty());        // four stars
    EXPECT_TRUE(junkCompoundSet("1*2*3*4\n5*6*7*8").empty()); // a lone LF does not split
    EXPECT_EQ(junkCompoundSet("1*2*3*4\r\n5*6*7*8\r\n").count(), 2);
}

TEST(JunkCompound, ANumberFailsOnceHoweverManyLinesCoverIt)
{
    ConditionInputs in;
    in.junkCompounds = "1*2*3*4\r\n12*2*3*4";
    in.totalTolerance = {"1", "1"};
    const auto r = filterRun(in);
    EXPECT_EQ(r.list.numbers, (std::vector<int>{1234, 2234}));
}

TEST(CodeList, NormalizeKeepsDigitGroupsSeparatedBySingleSpaces)
{
    EXPECT_EQ(NormalizeDigitGroups("12,34;;56\r\n78"), "12 34 56 78");
    EXPECT_EQ(NormalizeDigitGroups("，1 2"), "1 2");
    EXPECT_EQ(NormalizeDigitGroups("  \r\n12，34  \r\n"), "12 34");
    EXPECT_EQ(NormalizeDigitGroups("不懂使用"), "");
    EXPECT_EQ(NormalizeDigitGroups(std::string("1\xFF\xFE"
                                               "2")),
              "1 2"); // stray bytes separate too
}

TEST(CodeList, ContainsIsMultisetContainment)
{
    EXPECT_TRUE(ContainsCode(2001, "12", 2));
    EXPECT_TRUE(ContainsCode(3412, "21", 2));
    EXPECT_FALSE(ContainsCode(1234, "11", 2));
    EXPECT_TRUE(ContainsCode(1121, "112", 3));
    EXPECT_TRUE(ContainsCode(2311, "112", 3));
    EXPECT_FALSE(ContainsCode(1222, "112", 3));
    EXPECT_FALSE(ContainsCode(1234, "1", 2));
    EXPECT_TRUE(ContainsCode(1234, "1234", 3)); // longer items are cut
}

TEST(CodeList, KillAndMustStages)
{
    const auto two = numbersContainingAnyCode("11", 2);
    EXPECT_EQ(two.count(), 10000 - 6561 - 2916); // at least two 1s
    EXPECT_TRUE(numbersContainingAnyCode("1", 2).empty());

    const auto three = numbersContainingAnyCode("123 456", 3);
    EXPECT_TRUE(three.test(1234));
    EXPECT_TRUE(three.test(4560));
    EXPECT_FALSE(three.test(1245));

    ConditionInputs in;
    in.mustTwoCodes = "12";
    in.mustThreeCodes = "789";
    in.totalTolerance = {"2", "2"};
    const auto r = filterRun(in);
    EXPECT_TRUE(r.verdict.test(5555));  // fails both halves
    EXPECT_FALSE(r.verdict.test(1200)); // fails only the three-code half
    EXPECT_FALSE(r.verdict.test(1789));
}

TEST(CodeList, ActiveBoxesAreRewrittenAndCounted)
{
    ConditionInputs in;
    in.killTwoCodes = "  12，34 \r\n";
    in.killThreeCodes = "１２３"; // only full-width digits (read as they are): no part, unchanged
    const auto r = filterRun(in);
    ASSERT_EQ(r.rewritten.size(), 1u);
    EXPECT_EQ(keyedRewrites(r)[0], (std::pair<std::string, std::string>{"T_main_sha_2ma", "12 34"}));
    EXPECT_EQ(r.conditionCount, 1);
    EXPECT_EQ(inputsAfterRun(in, r).killTwoCodes, "12 34");
}

// Long lists, repeated digits and every code: the block-wise reading against containment
// checked number by number.
TEST(CodeList, LongListsAgreeWithContainment)
{
    std::mt19937 rng(5);
    for (const int k : {2, 3})
        for (int round = 0; round < 12; ++round) {
            std::vector<std::string> items;
            const std::string digits = round % 2 ? "0123456789" : "1129"; // few digits: many repeats
            for (std::size_t n = 1 + rng() % 40; n > 0; --n) {
                std::string item;
                for (std::size_t len = std::size_t(k - 1) + rng() % 3; len > 0; --len) // some too short or long
                    item += digits[rng() % digits.size()];
                items.push_back(item);
            }
            std::string list;
            for (const auto& item : items)
                list += (list.empty() ? "" : " ") + item;
            NumberSet expected;
            for (int v = 0; v < kNumberCount; ++v)
                if (std::any_of(items.begin(), items.end(), [&](const auto& item) { return ContainsCode(v, item, k); }))
                    expected.set(v);
            ASSERT_EQ(numbersContainingAnyCode(list, k), expected) << list;
        }
    std::string everyPair, everyTriple;
    for (int v = 0; v < 1000; ++v) {
        everyTriple += numberText(v).substr(1) + " ";
        if (v < 100)
            everyPair += numberText(v).substr(2) + " ";
    }
    EXPECT_EQ(numbersContainingAnyCode(everyPair, 2).count(), kNumberCount);
    EXPECT_EQ(numbersContainingAnyCode(everyTriple, 3).count(), kNumberCount);
}

// Many compound lines (repeated ones among them) and patterns, laid block by block,
// against the digits each position allows, number by number.
TEST(DigitProducts, LinesAndPatternsAgreeNumberByNumber)
{
    std::mt19937 rng(6);
    std::vector<std::array<std::string, 4>> lines;
    std::string compounds, patterns;
    for (int i = 0; i < 600; ++i) {
        if (i > 300 && rng() % 3 == 0) { // a line typed before
            lines.push_back(lines[rng() % lines.size()]);
        } else {
            std::array<std::string, 4> fields;
            for (auto& field : fields)
                for (char d = '0'; d <= '9'; ++d)
                    if (rng() % 4 == 0)
                        field += d;
            lines.push_back(fields);
        }
        const auto& f = lines.back();
        compounds += f[0] + "*" + f[1] + "*" + f[2] + "*" + f[3] + "\r\n";
    }
    std::vector<std::string> tokens;
    for (int i = 0; i < 40; ++i) {
        std::string token = numberText(int(rng() % 10000));
        for (auto& c : token)
            c = rng() % 3 ? c : '*';
        tokens.push_back(token);
        patterns += token + (i % 2 ? "\r\n" : "  ");
    }
    NumberSet coveredByLines, coveredByPatterns;
    for (int v = 0; v < kNumberCount; ++v) {
        const std::string n = numberText(v);
        const auto allows = [&](const std::string& field, int p) {
            return field.find(n[std::size_t(p)]) != field.npos;
        };
        for (const auto& f : lines)
            if (allows(f[0], 0) && allows(f[1], 1) && allows(f[2], 2) && allows(f[3], 3))
                coveredByLines.set(v);
        for (const auto& t : tokens)
            if (std::equal(t.begin(), t.end(), n.begin(), [](char p, char c) { return p == '*' || p == c; }))
                coveredByPatterns.set(v);
    }
    EXPECT_EQ(junkCompoundSet(compounds), coveredByLines);
    EXPECT_EQ(positionalKillSet(patterns), coveredByPatterns);
}

TEST(PositionalKill, PatternsFixSomePositions)
{
    EXPECT_EQ(positionalKillSet("1**8").count(), 100);
    EXPECT_EQ(positionalKillSet("45**   58*9").count(), 110);
    EXPECT_EQ(positionalKillSet("45**\r\n58*9").count(), 110);
    EXPECT_EQ(positionalKillSet("1**8 1*28").count(), 100); // 1*28 lies inside 1**8
    EXPECT_EQ(positionalKillSet("****").count(), 10000);
    EXPECT_TRUE(positionalKillSet("12 12345 1a*8 １**8").empty());
    EXPECT_EQ(positionalKillSet("输入 1**8").count(), 100); // the help text's words switch nothing off
    EXPECT_TRUE(positionalKillSet(help::kPositionalKill).empty());
    // Tabs do not separate: "1**8\t2" is one token of six characters.
    EXPECT_TRUE(positionalKillSet("1**8\t2").empty());
}

TEST(SumStages, CheckRowsKillByTheirProperty)
{
    for (int v : {0, 19, 2945, 9993})
        EXPECT_TRUE(sumTailSet(0).test(v)) << v;
    EXPECT_EQ(members(spanSet(0)), (std::vector<int>{0, 1111, 2222, 3333, 4444, 5555, 6666, 7777, 8888, 9999}));
    EXPECT_EQ(spanSet(9).count(), 10000 - 2 * 6561 + 4096); // holds both a 0 and a 9
    EXPECT_EQ(containsDigitSet(7).count(), 3439);
    int tails = 0;
    for (int t = 0; t < 10; ++t)
        tails += sumTailSet(t).count();
    EXPECT_EQ(tails, 10000);
}

TEST(SumStages, ARowCountsOnceAndOnlyTickedValuesCount)
{
    ConditionInputs in;
    in.sumTails.fill(1);
    in.spans.fill(2); // greyed boxes do not count
    const auto r = filterRun(in);
    EXPECT_EQ(r.conditionCount, 1);
    EXPECT_EQ(r.list.count, 0);
}

TEST(SumStages, SumValuesAreTwoDigitWindows)
{
    EXPECT_EQ(members(sumValueSet("00.36")), (std::vector<int>{0, 9999}));
    EXPECT_EQ(sumValueSet("05").count(), 56);
    EXPECT_TRUE(sumValueSet("5").empty());
    EXPECT_EQ(sumValueSet("1020").count(), sumValueSet("10 02 20").count());
    EXPECT_EQ(sumValueSet("05：").count(), 56);

    ConditionInputs in;
    in.sumValues = std::string(help::kSumValue) + " "; // its help text alone: empty
    EXPECT_EQ(filterRun(in).conditionCount, 0);
    in.sumValues = "2位数 05";
    EXPECT_EQ(filterRun(in).conditionCount, 1);
}

TEST(TextStages, HugePastesStayLinear)
{
    std::string big;
    for (int i = 0; big.size() < 10'000'000; ++i)
        big += numberText(i % 10000) + " 1**8 \r\n12*3*45*6\r\n";
    EXPECT_EQ(straightKillSet(big).count(), 10000);
    EXPECT_EQ(members(junkCompoundSet(big)), (std::vector<int>{1346, 1356, 2346, 2356}));
    EXPECT_LT(NormalizeDigitGroups(big).size(), big.size());
    EXPECT_EQ(positionalKillSet(big).count(), 10000); // every number is typed as a pattern
    EXPECT_FALSE(sumValueSet(big).empty());
}
