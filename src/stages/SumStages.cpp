#include "SumStages.h"

#include "Stages.h"
#include "engine/DesignTexts.h"
#include "engine/NumberTables.h"
#include "engine/RunState.h"
#include "engine/TextScan.h"

#include <algorithm>

namespace shrink4 {

namespace {

struct DigitSums {
    std::array<NumberSet, 37> bySum{};
    std::array<NumberSet, 10> bySpan{};
};

const DigitSums& digitSums()
{
    static const DigitSums sums = [] {
        DigitSums s;
        const auto& digits = digitTable();
        for (int v = 0; v < kNumberCount; ++v) {
            const auto& d = digits[std::size_t(v)];
            s.bySum[std::size_t(d[0] + d[1] + d[2] + d[3])].set(v);
            const auto [lo, hi] = std::minmax_element(d.begin(), d.end());
            s.bySpan[std::size_t(*hi - *lo)].set(v);
        }
        return s;
    }();
    return sums;
}

// One row of ten boxes counts once in ConditionCount when any box is ticked.
void checkRowStage(RunState& run, const std::array<int, 10>& boxes, NumberSet (*rule)(unsigned))
{
    const unsigned checked = checkedDigits(boxes);
    if (!checked)
        return;
    ++run.conditionCount;
    run.fail(rule(checked));
}

} // namespace

unsigned checkedDigits(const std::array<int, 10>& boxes)
{
    unsigned mask = 0;
    for (int d = 0; d < 10; ++d)
        if (isTickedValue(boxes[std::size_t(d)]))
            mask |= 1u << d;
    return mask;
}

NumberSet sumTailSet(unsigned checked)
{
    NumberSet s;
    for (int sum = 0; sum <= 36; ++sum)
        if (checked >> (sum % 10) & 1u)
            s |= digitSums().bySum[std::size_t(sum)];
    return s;
}

NumberSet spanSet(unsigned checked)
{
    NumberSet s;
    for (int span = 0; span < 10; ++span)
        if (checked >> span & 1u)
            s |= digitSums().bySpan[std::size_t(span)];
    return s;
}

NumberSet universalKillSet(unsigned checked)
{
    NumberSet s;
    for (int d = 0; d < 10; ++d)
        if (checked >> d & 1u)
            s |= containsDigitSet(d);
    return s;
}

NumberSet sumValueSet(std::string_view boxText)
{
    NumberSet s;
    const auto text = trimSpaces(boxText);
    if (text.empty() || contains(text, design::kSumValueOffMarker))
        return s;
    const auto pairs = twoDigitWindows(text);
    for (int sum = 0; sum <= 36; ++sum)
        if (pairs.test(std::size_t(sum)))
            s |= digitSums().bySum[std::size_t(sum)];
    return s;
}

void SumTailStage(RunState& run) { checkRowStage(run, run.inputs.Check_hewei_sha, sumTailSet); }
void SpanStage(RunState& run) { checkRowStage(run, run.inputs.Check_kuadu_sha, spanSet); }
void UniversalKillStage(RunState& run) { checkRowStage(run, run.inputs.Check_tsm_sha, universalKillSet); }

void SumValueStage(RunState& run)
{
    run.fail(sumValueSet(run.inputs.T_sha_hezhi));
}

} // namespace shrink4
