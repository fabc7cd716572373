#include "StraightKillStage.h"

#include "StageRows.h"
#include "core/TextScan.h"

namespace shrink4 {

NumberSet straightKillSet(std::string_view boxText)
{
    return fourDigitWindows(trimSpaces(boxText));
}

void StraightKillStage(const ConditionInputs& in, StageRows& rows)
{
    textRow(rows, ControlId::straightKills, in.straightKills, straightKillSet);
}

} // namespace shrink4
