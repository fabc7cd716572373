#include "StraightKillStage.h"

#include "Stages.h"
#include "engine/RunState.h"
#include "engine/TextScan.h"

namespace shrink4 {

NumberSet straightKillSet(std::string_view boxText)
{
    return fourDigitWindows(trimSpaces(boxText));
}

void StraightKillStage(RunState& run)
{
    run.fail(straightKillSet(run.inputs.T_main_shazhixuan));
}

} // namespace shrink4
