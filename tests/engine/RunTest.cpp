// The run as a whole: indexing, base pool, verdict window, result lines and texts,
// progress reporting, and the prize check.

#include "engine/FilterRun.h"
#include "engine/RunWith.h"
#include "core/NumberTables.h"
#include "engine/PrizeCheck.h"
#include "core/TextScan.h"

#include <gtest/gtest.h>

using namespace shrink4;
using shrink4::testing::runWith;

namespace {

std::vector<int> listed(const RunResult& r)
{
    return r.list.numbers;
}

} // namespace

TEST(NumberTable, DigitsAndTextsFollowTheValue)
{
    EXPECT_EQ(digitTable()[0], (DigitRow{0, 0, 0, 0}));
    EXPECT_EQ(digitTable()[1234], (DigitRow{1, 2, 3, 4}));
    EXPECT_EQ(digitTable()[9999], (DigitRow{9, 9, 9, 9}));
    EXPECT_EQ(numberText(42), "0042");
}

// Whitespace of every kind, or the help text alone, leaves the pool off; the help text's
// words inside typed numbers no longer do.
TEST(BasePool, EmptyBlankOrHelpTextExcludesNothing)
{
    for (std::string box : {std::string(), std::string(" \t\u3000"), std::string("\r\n\r\n"),
                            std::string(help::kBasePool), "\r\n" + std::string(help::kBasePool) + "\u3000 "})
        EXPECT_EQ(runWith([&](auto& in) { in.basePool = box; }).list.count, 10000) << box;
    EXPECT_EQ(listed(runWith([](auto& in) { in.basePool = std::string(help::kBasePool) + "\r\n1111 2222"; })),
              (std::vector<int>{1111, 2222}));
    EXPECT_EQ(listed(runWith([](auto& in) { in.basePool = "1234 双击"; })), (std::vector<int>{1234}));
}

TEST(BasePool, KeepsExactlyTheFourDigitWindows)
{
    EXPECT_EQ(listed(runWith([](auto& in) { in.basePool = "1234 5678"; })), (std::vector<int>{1234, 5678}));
    EXPECT_EQ(listed(runWith([](auto& in) { in.basePool = "12345678"; })),
              (std::vector<int>{1234, 2345, 3456, 4567, 5678}));
    EXPECT_EQ(runWith([](auto& in) { in.basePool = "123"; }).list.count, 0);
}

TEST(Verdict, NoConditionPassesEverythingWhateverTheWindow)
{
    const auto r = runWith([](auto& in) { in.totalTolerance = {"2", "1"}; });
    EXPECT_EQ(r.conditionCount, 0);
    EXPECT_EQ(r.list.count, 10000);
    EXPECT_EQ(r.list.lines.size(), 5000u);
}

TEST(Verdict, WindowSelectsByFailureCount)
{
    // Two conditions: numbers holding a 7 fail one, numbers holding 7 and 8 fail both.
    const auto edit = [](ConditionInputs& in) {
        in.universalDigits[7] = 1;
        in.universalDigits[8] = 0;
        in.killTwoCodes = "78";
    };
    const auto none = runWith(edit);
    EXPECT_EQ(none.conditionCount, 2);
    EXPECT_EQ(none.list.count, 10000 - 3439);
    const auto oneToThree = runWith([&](auto& in) { edit(in), in.totalTolerance = {"1", "3"}; });
    EXPECT_EQ(oneToThree.list.count, 3439);
    const auto inverted = runWith([&](auto& in) { edit(in), in.totalTolerance = {"2", "1"}; });
    EXPECT_EQ(inverted.list.count, 0);
    EXPECT_EQ(inverted.list.resultText, "");
    EXPECT_EQ(inverted.list.prizeCheckText, kNoResultMessage);
}

TEST(Verdict, BoundsRoundHalfToEven)
{
    // One condition (universal 7); a window [2.5, 2.5] reads as [2, 2] and admits nothing
    // since a number fails it at most once; [0.5, 1.5] reads as [0, 2] and admits all.
    EXPECT_EQ(runWith([](auto& in) { in.universalDigits[7] = 1, in.totalTolerance = {"2.5", "2.5"}; }).list.count, 0);
    EXPECT_EQ(runWith([](auto& in) {
                  in.universalDigits[7] = 1, in.totalTolerance = {"0.5", "1.5"};
              }).list.count,
              10000);
    EXPECT_EQ(runWith([](auto& in) { in.universalDigits[7] = 1, in.totalTolerance = {"-1", "abc"}; }).list.count, 6561);
    // Bounds beyond 32 bits are clamped rather than wrapping around.
    EXPECT_EQ(runWith([](auto& in) {
                  in.universalDigits[7] = 1, in.totalTolerance = {"-1e", "99999999999"};
              }).list.count,
              10000);
}

// Numbers typed below a help text are a condition like any other.
TEST(Verdict, HelpTextPlusNumbersCounts)
{
    const auto r = runWith([](auto& in) { in.straightKills = std::string(help::kStraightKill) + "\r\n1234"; });
    EXPECT_EQ(r.conditionCount, 1);
    EXPECT_EQ(r.list.count, 9999);
}

// A code list takes part only when it holds a digit.
TEST(Verdict, TextWithoutDigitsInACodeBoxTakesNoPart)
{
    const auto r = runWith([](auto& in) { in.killTwoCodes = "abc", in.totalTolerance = {"1", "1"}; });
    EXPECT_EQ(r.conditionCount, 0);
    EXPECT_EQ(r.list.count, 10000);
    EXPECT_TRUE(r.rewritten.empty());
}

TEST(ResultList, LinesOfTwoAndTexts)
{
    const auto r = runWith([](auto& in) { in.basePool = "0001 0002 0003"; });
    ASSERT_EQ(r.list.lines.size(), 2u);
    EXPECT_EQ(r.list.lines[0], "0001  0002  ");
    EXPECT_EQ(r.list.lines[1], "0003  ");
    EXPECT_EQ(r.list.resultText, "0001  0002  0003  ");
    EXPECT_EQ(r.list.prizeCheckText, r.list.resultText);
    EXPECT_EQ(r.list.count, 3);
}

TEST(ResultList, PoolMaskDoesNotChangeTheVerdict)
{
    const auto r = runWith([](auto& in) { in.basePool = "abc"; });
    EXPECT_EQ(r.list.count, 0);
    EXPECT_EQ(r.verdict.count(), 10000);
    EXPECT_EQ(r.list.prizeCheckText, kNoResultMessage);
}

TEST(FilterRun, ReportsProgressAtTheFixedPointsAndRepeatsExactly)
{
    std::vector<double> fills;
    ConditionInputs in;
    in.universalDigits[3] = 1;
    const auto first = filterRun(in, [&](double f) { fills.push_back(f); });
    EXPECT_EQ(fills, (std::vector<double>{0.001, 0.01, 0.02, 0.02, 0.05, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0}));
    const auto second = filterRun(in);
    EXPECT_EQ(first.list.resultText, second.list.resultText);
    EXPECT_EQ(first.conditionCount, second.conditionCount);
}

TEST(PrizeCheck, CaptionsFollowTheResult)
{
    EXPECT_EQ(checkPrize("", {}, "1234").caption, prize::kRunFirst);
    EXPECT_EQ(checkPrize(kNoResultMessage, {}, "1234").caption, prize::kNoWin); // a run that listed nothing
    EXPECT_EQ(checkPrize(kNoResultMessage, {}, "12").caption, prize::kIncomplete);

    const auto r = runWith([](auto& in) { in.basePool = "0001 1234 5555"; });
    const auto check = [&](std::string_view typed) { return checkPrize(r.list.prizeCheckText, r.list.lines, typed); };
    for (auto partial : {"", "1", "12", "123", "12345"})
        EXPECT_EQ(check(partial).caption, prize::kIncomplete) << partial;
    const auto win = check("  1234 ");
    EXPECT_EQ(win.caption, prize::kWin);
    EXPECT_EQ(win.selectedLines, (std::vector<int>{0}));
    EXPECT_EQ(check("4321").caption, prize::kNoWin);
    EXPECT_EQ(check("大底号码").caption, prize::kNoWin); // four characters, not four bytes
}

TEST(PrizeCheck, GroupFormsMatchAnyOrderOfTheDigits)
{
    const std::vector<std::string> lines = {"0099 1234 "};
    const std::string text = "0099  1234  ";
    EXPECT_EQ(checkPrize(text, lines, "4321").caption, prize::kNoWin);
    const auto v = checkPrize(text, lines, "4321", true);
    EXPECT_EQ(v.caption, prize::kWin);
    EXPECT_EQ(v.selectedLines, (std::vector<int>{0}));
    EXPECT_EQ(checkPrize(text, lines, "9090", true).caption, prize::kWin);
}
