#include "DanGroupStage.h"

#include "StageRows.h"
#include "core/BitCounter.h"
#include "core/NumberTables.h"
#include "core/TextScan.h"

namespace shrink4 {

namespace {

unsigned groupDigits(const DanDigitButtons& digits, int g)
{
    unsigned mask = 0;
    for (int d = 0; d < 10; ++d)
        if (digits[std::size_t(10 * g + d)])
            mask |= 1u << d;
    return mask;
}

// Allowed hit counts as a mask of 0..4; at least one hit when no count is selected.
unsigned allowedHits(const DanCountButtons& counts, int g)
{
    unsigned mask = 0;
    for (int k = 0; k < 5; ++k)
        if (counts[std::size_t(5 * g + k)])
            mask |= 1u << k;
    return mask ? mask : 0b11110u;
}

} // namespace

bool danGroupActive(const DanDigitButtons& digits, int g)
{
    return groupDigits(digits, g) != 0;
}

NumberSet danGroupFailures(const DanDigitButtons& digits, const DanCountButtons& counts, int g, bool repeatCounting)
{
    const unsigned dan = groupDigits(digits, g);
    if (!dan)
        return {};
    BitCounter hits; // DanHits
    if (repeatCounting) {
        for (int p = 0; p < 4; ++p)
            hits.add(positionDigitsSet(p, dan));
    } else {
        for (int d = 0; d < 10; ++d)
            if (dan >> d & 1u)
                hits.add(containsDigitSet(d));
    }
    const unsigned allowed = allowedHits(counts, g);
    NumberSet accepted;
    for (int k = 0; k <= 4; ++k)
        if (allowed >> k & 1u)
            accepted |= hits.equals(k);
    return ~accepted;
}

NumberSet danStageFailures(const DanDigitButtons& digits, const DanCountButtons& counts, bool repeatCounting,
                           double lower, double upper)
{
    BitCounter failedGroups;
    for (int g = 0; g < kDanGroups; ++g)
        if (danGroupActive(digits, g))
            failedGroups.add(danGroupFailures(digits, counts, g, repeatCounting));
    return ~failedGroups.inRange(lower, upper);
}

DanCountClick danCountClick(const DanDigitButtons& digits, const DanCountButtons& counts, int index,
                            int repeatCheckValue)
{
    if (counts[std::size_t(index)])
        return DanCountClick::Unselect;
    const int g = index / 5;
    int selected = 0;
    for (int d = 0; d < 10; ++d)
        selected += digits[std::size_t(10 * g + d)];
    const int wanted = repeatCheckValue == 0 ? index % 5 : 0;
    return wanted > selected ? DanCountClick::Refuse : DanCountClick::Select;
}

void ClearDanGroup(DanDigitButtons& digits, DanCountButtons& counts, int g)
{
    for (int d = 0; d < 10; ++d)
        digits[std::size_t(10 * g + d)] = false;
    for (int k = 0; k < 5; ++k)
        counts[std::size_t(5 * g + k)] = false;
}

// The "0" count keeps its state: selecting everything means "at least one hit".
void SelectAllDanGroup(DanDigitButtons& digits, DanCountButtons& counts, int g)
{
    for (int d = 0; d < 10; ++d)
        digits[std::size_t(10 * g + d)] = true;
    for (int k = 1; k < 5; ++k)
        counts[std::size_t(5 * g + k)] = true;
}

void DanGroupStage(const ConditionInputs& in, StageRows& rows)
{
    bool any = false;
    for (int g = 0; g < kDanGroups; ++g)
        any = any || danGroupActive(in.danDigits, g);
    if (!any)
        return;
    addRow(rows, ControlId::danDigits) =
        danStageFailures(in.danDigits, in.danHitCounts, isTickedValue(in.danRepeatCounting),
                         lenientNumber(in.danTolerance[0]), lenientNumber(in.danTolerance[1]));
}

} // namespace shrink4
