#include "PositionDigitStage.h"

#include "StageRows.h"
#include "core/BitCounter.h"
#include "core/NumberTables.h"
#include "core/TextScan.h"

namespace shrink4 {

namespace {

std::array<unsigned, 4> rowMasks(const std::array<int, 40>& boxes)
{
    std::array<unsigned, 4> rows{};
    for (int i = 0; i < 40; ++i)
        if (isTickedValue(boxes[std::size_t(i)]))
            rows[std::size_t(i / 10)] |= 1u << (i % 10);
    return rows;
}

} // namespace

NumberSet positionDigitFailures(const std::array<int, 40>& boxes, double lower, double upper)
{
    BitCounter hits; // PositionHits
    const auto rows = rowMasks(boxes);
    for (int p = 0; p < 4; ++p)
        hits.add(positionDigitsSet(p, rows[std::size_t(p)]));
    return ~hits.inRange(lower, upper);
}

void PositionDigitStage(const ConditionInputs& in, StageRows& rows)
{
    const auto marked = rowMasks(in.positionDigits);
    if (!(marked[0] | marked[1] | marked[2] | marked[3]))
        return;
    addRow(rows, ControlId::positionDigits) = positionDigitFailures(
        in.positionDigits, lenientNumber(in.positionTolerance[0]), lenientNumber(in.positionTolerance[1]));
}

} // namespace shrink4
