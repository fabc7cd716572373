// The bitset engine against the literal reference run (tests/reference): a fixed-seed
// stream of random inputs, plus targeted comparisons of known quirks of the text.

#include "conditions/HelpTexts.h"
#include "engine/FilterRun.h"
#include "engine/RunWith.h"
#include "engine/PrizeCheck.h"
#include "reference/RandomInputs.h"
#include "reference/ReferenceRun.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <sstream>

namespace {

using namespace shrink4;
using namespace shrink4::reference;

std::string firstSetDifference(const char* what, const NumberSet& engine, const NumberSet& ref)
{
    if (engine == ref)
        return {};
    std::ostringstream os;
    os << what << ": engine has " << engine.count() << " numbers, reference " << ref.count();
    int shown = 0;
    for (int v = 0; v < kNumberCount && shown < 8; ++v)
        if (engine.test(v) != ref.test(v)) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "%04d", v);
            os << (shown == 0 ? "; differing: " : ", ") << buf
               << (engine.test(v) ? " (engine only)" : " (reference only)");
            ++shown;
        }
    return os.str() + "\n";
}

std::string textDifference(const char* what, const std::string& engine, const std::string& ref)
{
    if (engine == ref)
        return {};
    std::size_t at = 0;
    while (at < engine.size() && at < ref.size() && engine[at] == ref[at])
        ++at;
    const std::size_t from = at > 12 ? at - 12 : 0;
    std::ostringstream os;
    os << what << " differs at byte " << at << " (engine size " << engine.size() << ", reference size " << ref.size()
       << "): engine ..." << cppLiteral(engine.substr(from, 40)) << ", reference ..."
       << cppLiteral(ref.substr(from, 40)) << "\n";
    return os.str();
}

// Empty when the engine's run equals the reference run; otherwise what differs.
std::string compareRuns(const RunResult& e, const ReferenceResult& r)
{
    std::ostringstream os;
    if (e.conditionCount != r.conditionCount)
        os << "conditionCount: engine " << e.conditionCount << ", reference " << r.conditionCount << "\n";
    os << firstSetDifference("verdict", e.verdict, r.verdict);
    os << firstSetDifference("outsidePool", e.outsidePool, r.outsidePool);
    if (e.list.count != r.count)
        os << "count: engine " << e.list.count << ", reference " << r.count << "\n";
    if (e.list.numbers != r.numbers)
        os << "listed numbers differ (engine " << e.list.numbers.size() << ", reference " << r.numbers.size() << ")\n";
    if (e.list.lines != r.lines) {
        os << "lines: engine " << e.list.lines.size() << ", reference " << r.lines.size();
        for (std::size_t k = 0; k < e.list.lines.size() && k < r.lines.size(); ++k)
            if (e.list.lines[k] != r.lines[k]) {
                os << "; first difference at line " << k << ": " << cppLiteral(e.list.lines[k]) << " vs "
                   << cppLiteral(r.lines[k]);
                break;
            }
        os << "\n";
    }
    os << textDifference("resultText", e.list.resultText, r.resultText);
    os << textDifference("prizeCheckText", e.list.prizeCheckText, r.prizeCheckText);
    if (keyedRewrites(e) != r.rewritten) {
        os << "rewritten: engine {";
        for (const auto& [box, text] : keyedRewrites(e))
            os << box << "=" << cppLiteral(text) << " ";
        os << "}, reference {";
        for (const auto& [box, text] : r.rewritten)
            os << box << "=" << cppLiteral(text) << " ";
        os << "}\n";
    }
    return os.str();
}

std::string comparePrize(std::string_view prizeCheckText, const std::vector<std::string>& lines, std::string_view typed)
{
    const PrizeVerdict e = checkPrize(prizeCheckText, lines, typed);
    const ReferencePrizeVerdict r = referencePrizeCheck(prizeCheckText, lines, typed);
    if (e.caption == r.caption && e.selectedLines == r.selectedLines)
        return {};
    std::ostringstream os;
    os << "prize check of typed " << cppLiteral(typed) << ": engine " << e.caption << " selecting "
       << e.selectedLines.size() << " lines, reference " << r.caption << " selecting " << r.selectedLines.size()
       << " lines\n";
    return os.str();
}

// Runs both and reports any difference with the input that reproduces it.
void expectSameRun(const ConditionInputs& in, const std::string& label = {})
{
    const RunResult e = filterRun(in);
    const ReferenceResult r = referenceRun(in);
    const std::string diff = compareRuns(e, r);
    EXPECT_TRUE(diff.empty()) << label << "\nInput:\n" << describeInputs(in) << "Differences:\n" << diff;
}

// ------------------------------------------------------------ random stream

constexpr int kChunks = 10;
constexpr int kInputsPerChunk = 150;
constexpr int kPrizeTypingsPerInput = 4;
constexpr int kMaxReportsPerChunk = 3;

class ReferenceComparison : public ::testing::TestWithParam<int> {};

TEST_P(ReferenceComparison, RandomInputsAgree)
{
    const int chunk = GetParam();
    std::mt19937 rng(20240601u + 7919u * static_cast<unsigned>(chunk));
    int reports = 0;
    for (int k = 0; k < kInputsPerChunk && reports < kMaxReportsPerChunk; ++k) {
        const ConditionInputs in = randomInputs(rng);
        const RunResult e = filterRun(in);
        const ReferenceResult r = referenceRun(in);
        std::string diff = compareRuns(e, r);
        for (int p = 0; p < kPrizeTypingsPerInput; ++p)
            diff += comparePrize(r.prizeCheckText, r.lines, randomPrizeTyping(rng, r.resultText));
        if (!diff.empty()) {
            ++reports;
            ADD_FAILURE() << "chunk " << chunk << ", input " << k << "\nInput:\n"
                          << describeInputs(in) << "Differences:\n"
                          << diff;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Stream, ReferenceComparison, ::testing::Range(0, kChunks));

// A megabyte of trailing spaces changes no condition but makes the engine run its stages
// side by side; the result must still be the reference's, rows in run order included.
TEST(ReferenceComparisonSideBySide, PaddedInputsAgree)
{
    std::mt19937 rng(20261207u);
    for (int k = 0; k < 12; ++k) {
        ConditionInputs in = randomInputs(rng);
        const RunResult plain = filterRun(in);
        in.straightKills += std::string(std::size_t(1) << 20, ' ');
        expectSameRun(in, "padded input " + std::to_string(k));
        const RunResult padded = filterRun(in);
        ASSERT_EQ(padded.rows.size(), plain.rows.size());
        for (std::size_t i = 0; i < plain.rows.size(); ++i) {
            EXPECT_EQ(padded.rows[i].control, plain.rows[i].control);
            EXPECT_EQ(padded.rows[i].fails, plain.rows[i].fails);
        }
    }
}

// ------------------------------------------------------------ targeted quirks

TEST(ReferenceQuirks, HelpTextPlusTypedNumbers)
{
    ConditionInputs in;
    in.straightKills = std::string(help::kStraightKill) + "\r\n1234";
    in.junkCompounds = std::string(help::kJunkCompound) + "5*6*7*8";
    in.positionalKills = std::string(help::kPositionalKill) + "\r\n9***";
    // Each box counts and kills what is typed below its help text.
    const ReferenceResult r = referenceRun(in);
    EXPECT_EQ(r.conditionCount, 3);
    EXPECT_EQ(r.count, 10000 - 2 - 1000);
    expectSameRun(in, "help texts plus typed numbers, alone");

    in.acValues[5] = 1;
    const ReferenceResult r2 = referenceRun(in);
    EXPECT_EQ(r2.conditionCount, 4);
    EXPECT_FALSE(r2.verdict.test(1234));
    EXPECT_FALSE(r2.verdict.test(5678));
    EXPECT_FALSE(r2.verdict.test(9012)); // killed by "9***"
    expectSameRun(in, "help texts plus typed numbers, with AC 6 ticked");
}

TEST(ReferenceQuirks, CodeBoxWithoutDigitsTakesNoPart)
{
    ConditionInputs in;
    in.killTwoCodes = "abc";
    const ReferenceResult r = referenceRun(in);
    EXPECT_EQ(r.conditionCount, 0);
    EXPECT_EQ(r.count, 10000);
    EXPECT_TRUE(r.rewritten.empty());
    expectSameRun(in, "abc in T_main_sha_2ma");

    in.totalTolerance = {"1", "1"};
    EXPECT_EQ(referenceRun(in).count, 10000);
    expectSameRun(in, "abc in T_main_sha_2ma, window [1,1]");
}

TEST(ReferenceQuirks, CodeBoxWithHelpTextAndDigitsIsRewrittenAndCounted)
{
    ConditionInputs in;
    in.mustTwoCodes = std::string(help::kCodeList) + " 12，34\r\n";
    const ReferenceResult r = referenceRun(in);
    ASSERT_EQ(r.rewritten.size(), 1u);
    EXPECT_EQ(r.rewritten[0].first, "T_main_bichu_2ma");
    EXPECT_EQ(r.rewritten[0].second, "12 34");
    EXPECT_EQ(r.conditionCount, 1);
    EXPECT_TRUE(r.verdict.test(1200));
    EXPECT_FALSE(r.verdict.test(1300));
    expectSameRun(in);
}

TEST(ReferenceQuirks, LfOnlyCompoundLinesAreOneIgnoredLine)
{
    ConditionInputs in;
    in.junkCompounds = "12*34*5*67\n1*2*3*4";
    const ReferenceResult r = referenceRun(in);
    EXPECT_EQ(r.conditionCount, 1);
    EXPECT_EQ(r.count, 10000);
    expectSameRun(in, "LF only");

    in.junkCompounds = "12*34*5*67\r\n1*2*3*4";
    EXPECT_EQ(referenceRun(in).count, 10000 - 9);
    expectSameRun(in, "CR LF");

    in.junkCompounds = "1**2*3\r\n1*2*3*4*5\r\n1,2*3*4*5\r\n";
    const ReferenceResult r3 = referenceRun(in);
    EXPECT_EQ(r3.count, 10000 - 2);
    EXPECT_FALSE(r3.verdict.test(1345));
    EXPECT_FALSE(r3.verdict.test(2345));
    expectSameRun(in, "empty field, four stars, comma in a field");
}

TEST(ReferenceQuirks, InvertedWindowListsNothing)
{
    ConditionInputs in;
    in.sumTails[0] = 1;
    in.totalTolerance = {"2", "1"};
    const ReferenceResult r = referenceRun(in);
    EXPECT_EQ(r.count, 0);
    EXPECT_TRUE(r.resultText.empty());
    EXPECT_EQ(r.prizeCheckText, std::string(kNoResultMessage));
    EXPECT_EQ(referencePrizeCheck(r.prizeCheckText, r.lines, "1234").caption, "【没有中奖】");
    expectSameRun(in);
    EXPECT_TRUE(comparePrize(r.prizeCheckText, r.lines, "1234").empty());

    // With no condition at all the window does not matter.
    ConditionInputs none;
    none.totalTolerance = {"2", "1"};
    EXPECT_EQ(referenceRun(none).count, 10000);
    expectSameRun(none, "window [2,1] without conditions");
}

TEST(ReferenceQuirks, ToleranceBoundsRoundHalfToEvenAndClamp)
{
    EXPECT_EQ(toleranceBound("2.5"), 2);
    EXPECT_EQ(toleranceBound("1.5"), 2);
    EXPECT_EQ(toleranceBound("0.5"), 0);
    EXPECT_EQ(toleranceBound("-1"), -1);
    EXPECT_EQ(toleranceBound("abc"), 0);
    EXPECT_EQ(toleranceBound(""), 0);
    EXPECT_EQ(toleranceBound(" 3"), 3);
    EXPECT_EQ(toleranceBound("3x"), 3);
    EXPECT_EQ(toleranceBound("99999999999"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(toleranceBound("-99999999999"), std::numeric_limits<std::int32_t>::min());

    ConditionInputs in;
    in.specialShapes = {1, 1, 1, 1, 1, 1}; // every number but the ten leopards fails once
    in.acValues[0] = 1;                    // exactly the ten leopards fail once
    in.spans[9] = 1;                       // numbers holding a 0 and a 9
    for (const auto& window : {std::array<std::string, 2>{"1.5", "2.5"},
                               {"0", "-1"},
                               {"abc", "1"},
                               {"-99999999999", "99999999999"},
                               {" 1", "1x"}}) {
        in.totalTolerance = window;
        expectSameRun(in, "window " + window[0] + " to " + window[1]);
    }
    in.totalTolerance = {"1.5", "2.5"}; // [2, 2]: a shape and span 9, the numbers holding a 0 and a 9
    EXPECT_EQ(referenceRun(in).count, 10000 - 2 * 6561 + 4096);
    in.totalTolerance = {"0.5", "1.5"}; // [0, 2]
    EXPECT_EQ(referenceRun(in).count, 10000);
}

TEST(ReferenceQuirks, DanAndPositionalToleranceAreRealNumbers)
{
    ConditionInputs in;
    in.danDigits[9] = true;
    in.danDigits[10 + 1] = true;
    in.danTolerance = {"0", "1.5"};
    expectSameRun(in, "dan tolerance 0 to 1.5");
    in.danTolerance = {"0.5", "abc"};
    EXPECT_EQ(referenceRun(in).count, 0);
    expectSameRun(in, "dan tolerance 0.5 to abc");

    ConditionInputs pos;
    pos.positionDigits[7] = 1;
    pos.positionDigits[37] = 1;
    pos.positionTolerance = {"0.5", "1.5"};
    expectSameRun(pos, "positional tolerance 0.5 to 1.5");
    pos.positionTolerance = {" 1", "2x"};
    expectSameRun(pos, "positional tolerance 1 to 2");
}

TEST(ReferenceQuirks, SumValueBoxWithFullWidthColonKills)
{
    ConditionInputs in;
    in.sumValues = "05：";
    const ReferenceResult r = referenceRun(in);
    EXPECT_EQ(r.conditionCount, 1);
    EXPECT_EQ(r.count, 10000 - 56);
    expectSameRun(in);
    in.sumValues = "1020";
    const ReferenceResult r2 = referenceRun(in); // sums 10, 02 and 20
    EXPECT_TRUE(r2.verdict.test(1));
    EXPECT_FALSE(r2.verdict.test(2));
    EXPECT_FALSE(r2.verdict.test(19));
    expectSameRun(in, "1020");
}

TEST(ReferenceQuirks, PositionalTokensAndSpaceRuns)
{
    ConditionInputs in;
    in.positionalKills = "45**   58*9";
    EXPECT_EQ(referenceRun(in).count, 10000 - 110);
    expectSameRun(in, "three spaces");
    in.positionalKills = "45**" + std::string(9, ' ') + "58*9\r\n12\r\n1２**\n****x";
    expectSameRun(in, "nine spaces, short and full-width tokens");
    in.positionalKills = "1**8 入";
    EXPECT_EQ(referenceRun(in).count, 10000 - 100); // a word of the help text switches nothing off
    expectSameRun(in, "help text word");
}

TEST(ReferenceQuirks, FourRunIncludesZeroOneEightNine)
{
    ConditionInputs in;
    in.specialExclusions[4] = 1;
    const ReferenceResult r = referenceRun(in);
    EXPECT_EQ(r.count, 10000 - 240);
    EXPECT_FALSE(r.verdict.test(1098));
    EXPECT_FALSE(r.verdict.test(7890));
    EXPECT_TRUE(r.verdict.test(1097));
    expectSameRun(in);
}

TEST(ReferenceQuirks, PrizeCheckBeforeAndAfterARun)
{
    const std::vector<std::string> noLines;
    for (const char* typed : {"", "1234", "12", "号码"})
        EXPECT_TRUE(comparePrize("", noLines, typed).empty()) << typed;

    ConditionInputs in;
    in.basePool = "1234 0012 0345 5678 1235";
    const ReferenceResult r = referenceRun(in);
    ASSERT_EQ(r.count, 5);
    EXPECT_EQ(referencePrizeCheck(r.prizeCheckText, r.lines, "123").caption, "【号码不全】");
    const ReferencePrizeVerdict win = referencePrizeCheck(r.prizeCheckText, r.lines, " 1234 ");
    EXPECT_EQ(win.caption, "【恭喜中奖】");
    EXPECT_EQ(win.selectedLines, std::vector<int>{1});
    for (const char* typed : {"1", "12", "123", "1234", " 1234  ", "4321", "12345", "2  0", "5  1", "一二三四",
                              "１２３４", "12三4", "", "\t123"})
        EXPECT_TRUE(comparePrize(r.prizeCheckText, r.lines, typed).empty()) << typed;
}

// ------------------------------------------------------------ the oracle itself

TEST(ReferenceOracle, NormalizeCodeListExamples)
{
    EXPECT_EQ(normalizeCodeList("12,34;;56\r\n78"), "12 34 56 78");
    EXPECT_EQ(normalizeCodeList("，1 2"), "1 2");
    EXPECT_EQ(normalizeCodeList("abc"), "");
    EXPECT_EQ(normalizeCodeList("１２ 3４5"), "3 5");
}

TEST(ReferenceOracle, SpecialExclusionCounts)
{
    const int expected[9] = {10, 2900, 7100, 1800, 240, 5040, 4960, 370, 270};
    for (int k = 0; k < 9; ++k) {
        ConditionInputs in;
        in.specialExclusions[static_cast<std::size_t>(k)] = 1;
        EXPECT_EQ(10000 - referenceRun(in).count, expected[k]) << "type " << k;
    }
    const std::string pairs = twoPairsText();
    EXPECT_EQ(pairs.size(), 270u * 5u);
    EXPECT_EQ(pairs.substr(0, 15), "0011*0022*0033*");
    EXPECT_EQ(pairs.substr(pairs.size() - 11), "*9977*9988*");
}

TEST(ReferenceOracle, ShapeCounts)
{
    const int expected[6] = {705, 705, 2595, 2595, 1695, 1695};
    for (int k = 0; k < 6; ++k) {
        ConditionInputs in;
        in.specialShapes[static_cast<std::size_t>(k)] = 1;
        EXPECT_EQ(10000 - referenceRun(in).count, expected[k]) << "shape " << k;
    }
    ConditionInputs all;
    all.specialShapes = {1, 1, 1, 1, 1, 1};
    const ReferenceResult r = referenceRun(all);
    EXPECT_EQ(r.conditionCount, 6);
    EXPECT_EQ(r.count, 10);
}

TEST(ReferenceOracle, DigitShapeFamiliesCoverEveryNumberOnce)
{
    ConditionInputs in;
    in.bigSmallShapes.fill(1);
    in.oddEvenShapes.fill(1);
    in.primeCompositeShapes.fill(1);
    in.roadShapes.fill(1);
    in.totalTolerance = {"4", "4"};
    const ReferenceResult r = referenceRun(in);
    EXPECT_EQ(r.conditionCount, 4);
    EXPECT_EQ(r.count, 10000);

    ConditionInputs road;
    road.roadShapes[0] = 1; // "0000"
    EXPECT_EQ(10000 - referenceRun(road).count, 256);
    ConditionInputs big;
    big.bigSmallShapes[10] = 1; // "大小大小"
    const ReferenceResult rb = referenceRun(big);
    EXPECT_FALSE(rb.verdict.test(5050));
    EXPECT_FALSE(rb.verdict.test(9183));
    EXPECT_TRUE(rb.verdict.test(505));
}

} // namespace
