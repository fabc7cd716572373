#include "BasePool.h"

#include "DesignTexts.h"
#include "RunState.h"
#include "TextScan.h"

namespace shrink4 {

bool basePoolActive(std::string_view boxText)
{
    const auto text = trimSpaces(boxText);
    return !text.empty() && !contains(text, design::kBasePoolMarker);
}

NumberSet basePoolMembers(std::string_view boxText)
{
    return fourDigitWindows(trimSpaces(boxText));
}

void ApplyBasePool(RunState& run)
{
    if (basePoolActive(run.inputs.T_dadi_nb))
        run.outsidePool = ~basePoolMembers(run.inputs.T_dadi_nb);
}

} // namespace shrink4
