// Trends of past draws beside their literal counterparts: the figures of every family
// (at three sizes, to show they grow linearly), and the walk-forward test of one rule.

#include "BenchMain.h"

#include "reference/ReferenceTrends.h"
#include "trends/ChanceCheck.h"
#include "trends/TrendFigures.h"
#include "trends/WalkForward.h"

#include <random>

using namespace shrink4;

namespace {

std::vector<Draw> randomDraws(int n)
{
    std::mt19937 rng(5);
    std::vector<Draw> draws;
    for (int i = 0; i < n; ++i)
        draws.push_back({std::nullopt, int(rng() % 10000), i + 1});
    return draws;
}

void figures(benchmark::State& state)
{
    const auto draws = randomDraws(int(state.range(0)));
    trends::windowFigures(draws); // the value tables, built once per program
    for (auto _ : state)
        benchmark::DoNotOptimize(trends::windowFigures(draws));
}

void literalFigures(benchmark::State& state)
{
    const auto draws = randomDraws(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(reference::referenceFigures(draws));
}

const std::vector<trends::Rule> kRule = {{trends::Family::position, trends::Leaning::cold, 2}};

// 1,000 draws tested, each from the 100 before it.
void walkForward(benchmark::State& state)
{
    const auto draws = randomDraws(1100);
    for (auto _ : state)
        benchmark::DoNotOptimize(trends::walkForward({}, draws, kRule, 100, 1000));
}

void literalWalkForward(benchmark::State& state)
{
    const auto draws = randomDraws(1100);
    for (auto _ : state)
        benchmark::DoNotOptimize(reference::referenceWalkForward({}, draws, kRule, 100, 1000));
}

// Every single rule FAMILY:cold|hot:K, K 1 to 3, each with W 30, 100 and 300: 180 trials.
std::vector<trends::Trial> singleRuleTrials()
{
    std::vector<trends::Trial> trials;
    for (int f = 0; f < trends::kFamilyCount; ++f)
        for (const auto leaning : {trends::Leaning::cold, trends::Leaning::hot})
            for (int k = 1; k <= 3; ++k)
                for (const int w : {30, 100, 300})
                    trials.push_back({{{trends::Family(f), leaning, k}}, w, 0});
    return trials;
}

// The chance check of a search of every single rule: 20 sets of 700 fair draws.
void chanceCheck(benchmark::State& state)
{
    const auto trials = singleRuleTrials();
    for (auto _ : state)
        benchmark::DoNotOptimize(trends::chanceCheck({}, trials, 700, 0, 20, 1));
}

} // namespace

BENCHMARK(figures)
    ->Name("Trends/EveryFamily/engine")
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(10000)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(literalFigures)->Name("Trends/EveryFamily/literal")->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(walkForward)
    ->Name("Trends/WalkForward1000W100/engine")
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(literalWalkForward)->Name("Trends/WalkForward1000W100/literal")->Unit(benchmark::kMillisecond);

BENCHMARK(chanceCheck)->Name("Trends/ChanceCheck180x20x700")->Iterations(1)->Unit(benchmark::kSecond);

SHRINK4_BENCHMARK_MAIN()
