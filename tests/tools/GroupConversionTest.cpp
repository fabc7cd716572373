#include "tools/GroupConversion.h"

#include "engine/FilterRun.h"
#include "engine/PrizeCheck.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

using namespace shrink4;

namespace {

NumberSet setOf(std::initializer_list<int> values)
{
    NumberSet s;
    for (int v : values)
        s.set(v);
    return s;
}

bool hasAscendingDigits(int v)
{
    const int d[4] = {v / 1000, v / 100 % 10, v / 10 % 10, v % 10};
    return d[0] <= d[1] && d[1] <= d[2] && d[2] <= d[3];
}

} // namespace

TEST(GroupConversion, GroupFormSortsTheDigits)
{
    EXPECT_EQ(GroupForm(4321), "1234");
    EXPECT_EQ(GroupForm(2143), "1234");
    EXPECT_EQ(GroupForm(990), "0099");
    EXPECT_EQ(GroupForm(9090), "0099");
    EXPECT_EQ(GroupForm(0), "0000");
    EXPECT_EQ(GroupForm(9999), "9999");
}

TEST(GroupConversion, AllSurvivorsGiveEvery715FormIn358Lines)
{
    const auto r = ConvertToGroups(NumberSet::all());
    ASSERT_EQ(r.count, 715);
    ASSERT_EQ(r.numbers.size(), 715u);
    EXPECT_EQ(r.numbers.front(), 0);
    EXPECT_EQ(r.numbers.back(), 9999);
    for (std::size_t i = 0; i < r.numbers.size(); ++i) {
        EXPECT_TRUE(hasAscendingDigits(r.numbers[i])) << r.numbers[i];
        if (i > 0) {
            EXPECT_LT(r.numbers[i - 1], r.numbers[i]);
        }
    }
    ASSERT_EQ(r.lines.size(), 358u);
    EXPECT_EQ(r.lines.front(), "0000 0001 ");
    EXPECT_EQ(r.lines[357], "9999 ");
    EXPECT_EQ(r.resultText.size(), 715u * 6);
    EXPECT_EQ(r.resultText.substr(0, 12), "0000  0001  ");
    EXPECT_EQ(r.prizeCheckText, r.resultText);
}

TEST(GroupConversion, SurvivorsOfOneFormGiveOneEntry)
{
    auto r = ConvertToGroups(setOf({1234, 4321, 2143}));
    EXPECT_EQ(r.count, 1);
    EXPECT_EQ(r.resultText, "1234  ");
    EXPECT_EQ(r.lines, std::vector<std::string>{"1234 "});

    r = ConvertToGroups(setOf({990, 9090}));
    EXPECT_EQ(r.count, 1);
    EXPECT_EQ(r.resultText, "0099  ");

    r = ConvertToGroups(setOf({4321, 990, 5, 9090}));
    EXPECT_EQ(r.count, 3);
    EXPECT_EQ(r.resultText, "0005  0099  1234  ");
    EXPECT_EQ(r.lines, (std::vector<std::string>{"0005 0099 ", "1234 "}));
}

TEST(GroupConversion, EmptyRunGivesAnEmptyListThatHoldsNoWin)
{
    const auto r = ConvertToGroups(NumberSet{});
    EXPECT_EQ(r.count, 0);
    EXPECT_TRUE(r.lines.empty());
    EXPECT_TRUE(r.resultText.empty());
    EXPECT_EQ(r.prizeCheckText, kNoResultMessage);
    EXPECT_EQ(checkPrize(r.prizeCheckText, r.lines, "1234", true).caption, prize::kNoWin);
}

TEST(GroupConversion, ConvertsOnlyWhatTheRunListedInsideTheBasePool)
{
    ConditionInputs in;
    in.basePool = "1234";
    const auto run = filterRun(in);
    ASSERT_EQ(run.list.count, 1);
    const auto r = ConvertToGroups(run);
    EXPECT_EQ(r.count, 1);
    EXPECT_EQ(r.resultText, "1234  ");

    // Every straight arrangement listed by the pool converts to the one form.
    in.basePool = "4321 2143 0990 9090";
    const auto both = ConvertToGroups(filterRun(in));
    EXPECT_EQ(both.resultText, "0099  1234  ");
}

TEST(GroupConversion, PrizeCheckAfterConversionComparesGroupForms)
{
    NumberSet survivors = setOf({1234, 5678, 4321});
    survivors.set(9);
    const auto r = ConvertToGroups(survivors);
    // Lines: "0009 1234 ", "5678 "
    auto v = checkPrize(r.prizeCheckText, r.lines, "4321", true);
    EXPECT_EQ(v.caption, prize::kWin);
    EXPECT_EQ(v.selectedLines, std::vector<int>{0});
    v = checkPrize(r.prizeCheckText, r.lines, " 8765 ", true);
    EXPECT_EQ(v.caption, prize::kWin);
    EXPECT_EQ(v.selectedLines, std::vector<int>{1});
    EXPECT_EQ(checkPrize(r.prizeCheckText, r.lines, "9000", true).caption, prize::kWin);
    EXPECT_EQ(checkPrize(r.prizeCheckText, r.lines, "1235", true).caption, prize::kNoWin);
    EXPECT_EQ(checkPrize(r.prizeCheckText, r.lines, "123", true).caption, prize::kIncomplete);
    // A plain run's check stays by straight number.
    EXPECT_EQ(checkPrize(r.prizeCheckText, r.lines, "4321", false).caption, prize::kNoWin);
}
