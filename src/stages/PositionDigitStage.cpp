#include "PositionDigitStage.h"

#include "Stages.h"
#include "engine/BitCounter.h"
#include "engine/NumberTables.h"
#include "engine/RunState.h"
#include "engine/TextScan.h"

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

void PositionDigitStage(RunState& run)
{
    const auto rows = rowMasks(run.inputs.Check_hewei_sha1);
    if (!(rows[0] | rows[1] | rows[2] | rows[3]))
        return;
    ++run.conditionCount;
    run.fail(positionDigitFailures(run.inputs.Check_hewei_sha1, lenientNumber(run.inputs.T_dw_rc[0]),
                                   lenientNumber(run.inputs.T_dw_rc[1])));
}

} // namespace shrink4
