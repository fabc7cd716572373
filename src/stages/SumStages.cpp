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
    std::array<NumberSet, 10> byTail{};
    std::array<NumberSet, 10> bySpan{};
};

const DigitSums& digitSums()
{
    static const DigitSums sums = [] {
        DigitSums s;
        const auto& digits = digitTable();
        for (int v = 0; v < kNumberCount; ++v) {
            const auto& d = digits[std::size_t(v)];
            const int sum = d[0] + d[1] + d[2] + d[3];
            s.bySum[std::size_t(sum)].set(v);
            s.byTail[std::size_t(sum % 10)].set(v);
            const auto [lo, hi] = std::minmax_element(d.begin(), d.end());
            s.bySpan[std::size_t(*hi - *lo)].set(v);
        }
        return s;
    }();
    return sums;
}

} // namespace

const NumberSet& sumTailSet(int tail) { return digitSums().byTail[std::size_t(tail)]; }
const NumberSet& spanSet(int span) { return digitSums().bySpan[std::size_t(span)]; }

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

// Each row of ten boxes is one condition: box k kills the numbers whose property is k.
void SumTailStage(RunState& run) { run.failCondition(tickedUnion(run.inputs.Check_hewei_sha, sumTailSet)); }
void SpanStage(RunState& run) { run.failCondition(tickedUnion(run.inputs.Check_kuadu_sha, spanSet)); }
void UniversalKillStage(RunState& run) { run.failCondition(tickedUnion(run.inputs.Check_tsm_sha, containsDigitSet)); }

void SumValueStage(RunState& run)
{
    run.fail(sumValueSet(run.inputs.T_sha_hezhi));
}

} // namespace shrink4
