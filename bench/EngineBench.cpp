// A whole filter run, fast engine against the literal reference, for the three input
// mixes the performance table reports.

#include "BenchMain.h"

#include "engine/FilterRun.h"
#include "engine/TextScan.h"
#include "reference/ReferenceRun.h"

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
    in.T_dadi_nb = pool;
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
    in.T_main_shazhixuan.clear();
    for (int i = 0; i < 2000; ++i)
        in.T_main_shazhixuan += numberText(int(rng() % 10000)) + " ";
    in.T_main_laji_fushi.clear();
    for (int i = 0; i < 50; ++i)
        in.T_main_laji_fushi += digits(rng, 2) + "*" + digits(rng, 3) + "*" + digits(rng, 2) + "*" + digits(rng, 1) + "\r\n";
    auto codes = [&](int count, int k) {
        std::string s;
        for (int i = 0; i < count; ++i)
            s += digits(rng, k) + " ";
        return s;
    };
    in.T_main_sha_2ma = codes(45, 2);
    in.T_main_bichu_2ma = codes(45, 2);
    in.T_main_sha_3ma = codes(120, 3);
    in.T_main_bichu_3ma = codes(120, 3);
    in.T_main_dw_sha.clear();
    for (int i = 0; i < 30; ++i) {
        std::string p = digits(rng, 4);
        p[rng() % 4] = '*';
        p[rng() % 4] = '*';
        in.T_main_dw_sha += p + "  ";
    }
    in.T_sha_hezhi.clear();
    for (int i = 0; i < 10; ++i)
        in.T_sha_hezhi += digits(rng, 1) + digits(rng, 1) + ".";
    in.T_zong_rc = {"0", "3"};
    return in;
}

// Every condition family of the window at once.
ConditionInputs everyFamily()
{
    ConditionInputs in = textStages();
    in.T_dadi_nb = basePoolOnly().T_dadi_nb;
    in.Check_hewei_sha[3] = in.Check_kuadu_sha[9] = in.Check_tsm_sha[4] = 1;
    in.Check_hewei_sha1[2] = in.Check_hewei_sha1[15] = in.Check_hewei_sha1[33] = 1;
    in.T_dw_rc = {"0", "1"};
    in.Check_ac_sha[0] = in.Check_ac_sha[5] = 1;
    in.Check_tebie_paichu1[4] = in.Check_tebie_paichu1[5] = 1;
    in.Check_tebie_paichu[0] = in.Check_tebie_paichu[4] = in.Check_tebie_paichu[8] = 1;
    in.Check_shaxingtai_daxiao[0] = in.Check_shaxingtai_jo[15] = in.Check_shaxingtai_zhihe[3] = 1;
    in.Check_shaxingtai_012[0] = in.Check_shaxingtai_012[40] = in.Check_shaxingtai_012[80] = 1;
    in.C_danzu[1] = in.C_danzu[5] = in.C_danzu[12] = true;
    in.C_danzu_gs[1] = in.C_danzu_gs[2] = true;
    in.T_dzu_rc = {"0", "1"};
    in.T_zong_rc = {"0", "6"};
    return in;
}

template <ConditionInputs (*Make)()>
void engineRun(benchmark::State& state)
{
    const auto in = Make();
    for (auto _ : state)
        benchmark::DoNotOptimize(filterRun(in));
}

template <ConditionInputs (*Make)()>
void referenceRun(benchmark::State& state)
{
    const auto in = Make();
    for (auto _ : state)
        benchmark::DoNotOptimize(reference::referenceRun(in));
}

} // namespace

BENCHMARK(engineRun<basePoolOnly>)->Name("Run/BasePool5000/engine")->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(referenceRun<basePoolOnly>)->Name("Run/BasePool5000/literal")->Unit(benchmark::kMicrosecond);
BENCHMARK(engineRun<textStages>)->Name("Run/TextStages/engine")->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(referenceRun<textStages>)->Name("Run/TextStages/literal")->Unit(benchmark::kMicrosecond);
BENCHMARK(engineRun<everyFamily>)->Name("Run/EveryFamily/engine")->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(referenceRun<everyFamily>)->Name("Run/EveryFamily/literal")->Unit(benchmark::kMicrosecond);

SHRINK4_BENCHMARK_MAIN()
