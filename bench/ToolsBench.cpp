// The list tools: set operations on two long list texts, against the literal per-number
// search they replace, and the group conversion of a full result.

#include "BenchMain.h"

#include "core/NumberSet.h"
#include "core/TextScan.h"
#include "tools/GroupConversion.h"
#include "tools/ListSetOperations.h"

#include <random>
#include <string>

using namespace shrink4;

namespace {

// 10,000 random numbers, each followed by a space: about 50 KB, as a pasted list.
std::string randomList(unsigned seed)
{
    std::mt19937 rng(seed);
    std::string list;
    list.reserve(50000);
    for (int i = 0; i < 10000; ++i)
        list.append(numberText(int(rng() % 10000))).push_back(' ');
    return list;
}

const std::string& listA()
{
    static const std::string a = randomList(1);
    return a;
}

const std::string& listB()
{
    static const std::string b = randomList(2);
    return b;
}

// The operation as first described: every number searched for in both texts in turn.
std::string literalSetOperation(ListSetOperation op, const std::string& a, const std::string& b)
{
    std::string out;
    for (int i = 0; i < 10000; ++i) {
        const std::string n = numberText(i);
        const bool inA = a.find(n) != std::string::npos;
        const bool inB = b.find(n) != std::string::npos;
        bool selected = false;
        switch (op) {
        case ListSetOperation::Intersection:
            selected = inA && inB;
            break;
        case ListSetOperation::Union:
            selected = inA || inB;
            break;
        case ListSetOperation::AMinusB:
            selected = inA && !inB;
            break;
        case ListSetOperation::BMinusA:
            selected = inB && !inA;
            break;
        }
        if (selected)
            out.append(n).push_back(' ');
    }
    if (!out.empty())
        out.pop_back();
    return out;
}

void BM_SetOperation(benchmark::State& state)
{
    const auto op = ListSetOperation(state.range(0));
    for (auto _ : state) {
        auto r = applyListSetOperation(op, listA(), listB());
        benchmark::DoNotOptimize(r.text.data());
    }
}
BENCHMARK(BM_SetOperation)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_SetOperationLiteral(benchmark::State& state)
{
    const auto op = ListSetOperation(state.range(0));
    for (auto _ : state) {
        auto text = literalSetOperation(op, listA(), listB());
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_SetOperationLiteral)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_ConvertAllSurvivors(benchmark::State& state)
{
    const NumberSet all = NumberSet::all();
    for (auto _ : state) {
        auto r = ConvertToGroups(all);
        benchmark::DoNotOptimize(r.resultText.data());
    }
}
BENCHMARK(BM_ConvertAllSurvivors)->Unit(benchmark::kMicrosecond);

} // namespace

SHRINK4_BENCHMARK_MAIN()
