// A whole filter run, fast engine against the literal reference, for the three input
// mixes the performance table reports.

#include "BenchMain.h"

#include "engine/Backtest.h"
#include "engine/DrawLine.h"
#include "engine/Draws.h"
#include "engine/PrizeOdds.h"
#include "engine/FilterRun.h"
#include "engine/Notes.h"
#include "engine/Statistics.h"
#include "core/TextScan.h"
#include "reference/ReferenceHistory.h"
#include "reference/ReferencePrizes.h"
#include "reference/ReferenceRun.h"

#include <numeric>
#include <random>

using namespace shrink4;

namespace {

// A base pool of 5,000 numbers typed as text, about 30 KB.
ConditionInputs basePoolOnly()
{
    ConditionInputs in;
    std::mt19937 rng(1);
    std::string pool;
    for (int i = 0; i < 5000; ++i)
        pool += numberText(int(rng() % 10000)) + ", ";
    in.basePool = pool;
    return in;
}

std::string digits(std::mt19937& rng, int n)
{
    std::string s;
    for (int i = 0; i < n; ++i)
        s += char('0' + rng() % 10);
    return s;
}

// Every text stage with long inputs.
ConditionInputs textStages()
{
    ConditionInputs in;
    std::mt19937 rng(2);
    in.straightKills.clear();
    for (int i = 0; i < 2000; ++i)
        in.straightKills += numberText(int(rng() % 10000)) + " ";
    in.junkCompounds.clear();
    for (int i = 0; i < 50; ++i)
        in.junkCompounds +=
            digits(rng, 2) + "*" + digits(rng, 3) + "*" + digits(rng, 2) + "*" + digits(rng, 1) + "\r\n";
    auto codes = [&](int count, int k) {
        std::string s;
        for (int i = 0; i < count; ++i)
            s += digits(rng, k) + " ";
        return s;
    };
    in.killTwoCodes = codes(45, 2);
    in.mustTwoCodes = codes(45, 2);
    in.killThreeCodes = codes(120, 3);
    in.mustThreeCodes = codes(120, 3);
    in.positionalKills.clear();
    for (int i = 0; i < 30; ++i) {
        std::string p = digits(rng, 4);
        p[rng() % 4] = '*';
        p[rng() % 4] = '*';
        in.positionalKills += p + "  ";
    }
    in.sumValues.clear();
    for (int i = 0; i < 10; ++i)
        in.sumValues += digits(rng, 1) + digits(rng, 1) + ".";
    in.totalTolerance = {"0", "3"};
    return in;
}

// Every condition family of the window at once.
ConditionInputs everyFamily()
{
    ConditionInputs in = textStages();
    in.basePool = basePoolOnly().basePool;
    in.sumTails[3] = in.spans[9] = in.universalDigits[4] = 1;
    in.positionDigits[2] = in.positionDigits[15] = in.positionDigits[33] = 1;
    in.positionTolerance = {"0", "1"};
    in.acValues[0] = in.acValues[5] = 1;
    in.specialShapes[4] = in.specialShapes[5] = 1;
    in.specialExclusions[0] = in.specialExclusions[4] = in.specialExclusions[8] = 1;
    in.bigSmallShapes[0] = in.oddEvenShapes[15] = in.primeCompositeShapes[3] = 1;
    in.roadShapes[0] = in.roadShapes[40] = in.roadShapes[80] = 1;
    in.danDigits[1] = in.danDigits[5] = in.danDigits[12] = true;
    in.danHitCounts[1] = in.danHitCounts[2] = true;
    in.danTolerance = {"0", "1"};
    in.totalTolerance = {"0", "6"};
    return in;
}

template <ConditionInputs (*Make)()>
void engineRun(benchmark::State& state)
{
    const auto in = Make();
    for (auto _ : state)
        benchmark::DoNotOptimize(filterRun(in));
}

// Every text box at 10 MB of list with a flaw the notes name somewhere in it.
ConditionInputs tenMegabyteBoxes()
{
    std::string list;
    while (list.size() < (std::size_t(10) << 20))
        list += "1234\r\n";
    ConditionInputs in;
    for (std::string* box : {&in.straightKills, &in.junkCompounds, &in.killTwoCodes, &in.mustTwoCodes,
                             &in.killThreeCodes, &in.mustThreeCodes, &in.positionalKills, &in.basePool})
        *box = list + "12";
    in.sumValues = std::string(std::size_t(10) << 20, '0') + " 5";
    return in;
}

template <ConditionInputs (*Make)()>
void notes(benchmark::State& state)
{
    const auto in = Make();
    for (auto _ : state)
        benchmark::DoNotOptimize(conditionNotes(in));
}

template <ConditionInputs (*Make)()>
void referenceRun(benchmark::State& state)
{
    const auto in = Make();
    for (auto _ : state)
        benchmark::DoNotOptimize(reference::referenceRun(in));
}

// What each condition costs: the statistics of a run already made, and with the run.
void statistics(benchmark::State& state)
{
    const RunResult run = filterRun(everyFamily());
    for (auto _ : state)
        benchmark::DoNotOptimize(runStatistics(run));
}

void runAndStatistics(benchmark::State& state)
{
    const auto in = everyFamily();
    for (auto _ : state)
        benchmark::DoNotOptimize(runStatistics(filterRun(in)));
}

void literalStatistics(benchmark::State& state)
{
    const auto in = everyFamily();
    for (auto _ : state)
        benchmark::DoNotOptimize(reference::referenceStatistics(reference::referenceAnalysis(in)));
}

// 10,000 past draws, newest first as sites list them, one "issue d d d d" a line.
std::string tenThousandDraws()
{
    std::mt19937 rng(3);
    std::string text = "期号 号码\n";
    for (int issue = 10000; issue >= 1; --issue) {
        const std::string n = numberText(int(rng() % 10000));
        text += "2024" + std::to_string(100000 + issue).substr(1) + " " + n[0] + " " + n[1] + " " + n[2] + " " + n[3]
                + "\n";
    }
    return text;
}

void readingDraws(benchmark::State& state)
{
    const std::string text = tenThousandDraws();
    for (auto _ : state)
        benchmark::DoNotOptimize(readDraws(text));
}

void literalReadingDraws(benchmark::State& state)
{
    const std::string text = tenThousandDraws();
    for (auto _ : state)
        benchmark::DoNotOptimize(reference::referenceReadDraws(text));
}

// 10,000 lines as a spreadsheet saves them: issue, date, number, trial number, sales.
std::string tenThousandSpreadsheetDraws()
{
    std::mt19937 rng(5);
    std::string text = "期号,开奖日期,开奖号码,试机号,销售额\n";
    for (int issue = 1; issue <= 10000; ++issue)
        text += "2024" + std::to_string(100000 + issue).substr(1) + ",2024-01-10," + numberText(int(rng() % 10000))
                + "," + numberText(int(rng() % 10000)) + "," + std::to_string(10000000 + rng() % 90000000) + "\n";
    return text;
}

void readingDrawsByColumns(benchmark::State& state)
{
    const std::string text = tenThousandSpreadsheetDraws();
    std::string error;
    const DrawsLayout layout{4, -1, *parseColumnRoles("i,-,n", &error)};
    for (auto _ : state)
        benchmark::DoNotOptimize(readDraws(text, layout));
}

// The same lines without their last two columns, read automatically: the date is skipped.
void readingDatedDraws(benchmark::State& state)
{
    std::string text;
    std::string_view line;
    const std::string spreadsheet = tenThousandSpreadsheetDraws();
    for (std::size_t at = 0; nextTextLine(spreadsheet, at, line);)
        text.append(line.substr(0, line.find(',', 24))).append("\n");
    for (auto _ : state)
        benchmark::DoNotOptimize(readDraws(text));
}

// Every number a ticket, against five tiers that overlap (straight, last three, last two,
// box, the thousands digit alone).
PrizeTable fiveTiers()
{
    return {"five",
            2,
            "元",
            {{"直选", PrizeMatch::exact, 0, 10000},
             {"后三", PrizeMatch::positions, 0b1110, 1000},
             {"后二", PrizeMatch::positions, 0b1100, 100},
             {"组选", PrizeMatch::box, 0, 400},
             {"千位", PrizeMatch::positions, 0b0001, 2}}};
}

void prizeOddsAllTickets(benchmark::State& state)
{
    const NumberSet tickets = NumberSet::all();
    const PrizeTable table = fiveTiers();
    for (auto _ : state)
        benchmark::DoNotOptimize(prizeOdds(tickets, table));
}

void literalPrizeOdds(benchmark::State& state)
{
    std::vector<int> tickets(10000);
    std::iota(tickets.begin(), tickets.end(), 0);
    const PrizeTable table = fiveTiers();
    for (auto _ : state)
        benchmark::DoNotOptimize(reference::referenceWinners(tickets, table));
}

// The backtest beyond its run: every draw looked up, the summary and each row's count.
void backtestDraws(benchmark::State& state)
{
    const RunResult run = filterRun(everyFamily());
    const auto draws = readDraws(tenThousandDraws()).draws;
    for (auto _ : state)
        benchmark::DoNotOptimize(backtest(run, draws));
}

void literalBacktestDraws(benchmark::State& state)
{
    const auto analysis = reference::referenceAnalysis(everyFamily());
    const auto draws = reference::referenceReadDraws(tenThousandDraws()).draws;
    for (auto _ : state)
        benchmark::DoNotOptimize(reference::referenceBacktest(analysis, draws, 0));
}

} // namespace

BENCHMARK(engineRun<basePoolOnly>)
    ->Name("Run/BasePool5000/engine")
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(referenceRun<basePoolOnly>)->Name("Run/BasePool5000/literal")->Unit(benchmark::kMicrosecond);
BENCHMARK(engineRun<textStages>)
    ->Name("Run/TextStages/engine")
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(referenceRun<textStages>)->Name("Run/TextStages/literal")->Unit(benchmark::kMicrosecond);
BENCHMARK(engineRun<everyFamily>)
    ->Name("Run/EveryFamily/engine")
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(referenceRun<everyFamily>)->Name("Run/EveryFamily/literal")->Unit(benchmark::kMicrosecond);
// The notes beside the run they explain: for ordinary boxes as the player types, and for
// every box at 10 MB.
BENCHMARK(notes<everyFamily>)
    ->Name("Notes/EveryFamily")
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(engineRun<tenMegabyteBoxes>)
    ->Name("Run/TenMegabyteBoxes/engine")
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(notes<tenMegabyteBoxes>)
    ->Name("Notes/TenMegabyteBoxes")
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// Statistics, past draws and the backtest, each beside its literal counterpart.
BENCHMARK(statistics)
    ->Name("Statistics/EveryFamily/engine")
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(runAndStatistics)
    ->Name("Statistics/EveryFamily/engine with run")
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(literalStatistics)->Name("Statistics/EveryFamily/literal with run")->Unit(benchmark::kMicrosecond);
BENCHMARK(readingDraws)
    ->Name("Draws/Read10000/engine")
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(literalReadingDraws)->Name("Draws/Read10000/literal")->Unit(benchmark::kMicrosecond);
BENCHMARK(readingDrawsByColumns)->Name("Draws/Read10000/columns i,-,n")->Unit(benchmark::kMicrosecond);
BENCHMARK(readingDatedDraws)->Name("Draws/Read10000/dated, automatic")->Unit(benchmark::kMicrosecond);
BENCHMARK(prizeOddsAllTickets)->Name("Odds/10000Tickets/FiveTiers/engine")->Unit(benchmark::kMicrosecond);
BENCHMARK(literalPrizeOdds)->Name("Odds/10000Tickets/FiveTiers/literal")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(backtestDraws)
    ->Name("Backtest/10000Draws/engine")
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(literalBacktestDraws)->Name("Backtest/10000Draws/literal")->Unit(benchmark::kMicrosecond);

SHRINK4_BENCHMARK_MAIN()
