#include "SumStages.h"

#include "StageRows.h"
#include "conditions/HelpTexts.h"
#include "core/NumberTables.h"
#include "core/TextScan.h"

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

const NumberSet& sumTailSet(int tail)
{
    return digitSums().byTail[std::size_t(tail)];
}
const NumberSet& spanSet(int span)
{
    return digitSums().bySpan[std::size_t(span)];
}

NumberSet sumValueSet(std::string_view boxText)
{
    NumberSet s;
    const auto text = trimSpaces(boxText);
    if (text.empty())
        return s;
    const auto pairs = twoDigitWindows(text);
    for (int sum = 0; sum <= 36; ++sum)
        if (pairs.test(std::size_t(sum)))
            s |= digitSums().bySum[std::size_t(sum)];
    return s;
}

// Each row of ten boxes is one condition: box k kills the numbers whose property is k.
void SumTailStage(const ConditionInputs& in, StageRows& rows)
{
    tickedRow(rows, ControlId::sumTails, in.sumTails, sumTailSet);
}
void SpanStage(const ConditionInputs& in, StageRows& rows)
{
    tickedRow(rows, ControlId::spans, in.spans, spanSet);
}
void UniversalKillStage(const ConditionInputs& in, StageRows& rows)
{
    tickedRow(rows, ControlId::universalDigits, in.universalDigits, containsDigitSet);
}

void SumValueStage(const ConditionInputs& in, StageRows& rows)
{
    textRow(rows, ControlId::sumValues, in.sumValues, sumValueSet);
}

} // namespace shrink4
