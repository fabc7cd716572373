#include "Verdict.h"

#include "DesignTexts.h"
#include "RunState.h"
#include "TextScan.h"

#include <limits>
#include <string_view>

namespace shrink4 {

namespace {

struct TextCondition {
    std::string ConditionInputs::*box;
    std::string_view marker;
};

constexpr TextCondition kTextConditions[] = {
    {&ConditionInputs::T_main_shazhixuan, design::kCodeMarker},
    {&ConditionInputs::T_main_laji_fushi, design::kCodeMarker},
    {&ConditionInputs::T_main_sha_2ma, design::kCodeMarker},
    {&ConditionInputs::T_main_bichu_2ma, design::kCodeMarker},
    {&ConditionInputs::T_main_sha_3ma, design::kCodeMarker},
    {&ConditionInputs::T_main_bichu_3ma, design::kCodeMarker},
    {&ConditionInputs::T_main_dw_sha, design::kPositionalMarker},
    {&ConditionInputs::T_sha_hezhi, design::kSumValueMarker},
};

std::int32_t saturatingAdd(std::int32_t a, std::int32_t b)
{
    const auto sum = std::int64_t(a) + b;
    return sum > std::numeric_limits<std::int32_t>::max() ? std::numeric_limits<std::int32_t>::max()
                                                          : std::int32_t(sum);
}

} // namespace

std::int32_t countTextConditions(const ConditionInputs& in)
{
    std::int32_t n = 0;
    for (const auto& c : kTextConditions) {
        const auto text = trimSpaces(in.*c.box);
        if (!text.empty() && !contains(text, c.marker))
            ++n;
    }
    return n;
}

void ApplyVerdict(RunState& run)
{
    const std::int32_t lower = toleranceBound(run.inputs.T_zong_rc[0]);
    const std::int32_t upper = toleranceBound(run.inputs.T_zong_rc[1]);
    run.conditionCount = saturatingAdd(run.conditionCount, countTextConditions(run.inputs));
    if (run.conditionCount == 0)
        run.verdict = NumberSet::all();
    else
        run.verdict = run.failCount.inRange(lower, upper);
}

} // namespace shrink4
