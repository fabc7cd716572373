#include "engine/FilterRun.h"

#include <benchmark/benchmark.h>

static void BM_RunNoCondition(benchmark::State& state)
{
    shrink4::ConditionInputs in;
    for (auto _ : state)
        benchmark::DoNotOptimize(shrink4::filterRun(in));
}
BENCHMARK(BM_RunNoCondition);
BENCHMARK_MAIN();
