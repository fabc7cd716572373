#include "BasePool.h"

#include "conditions/HelpTexts.h"
#include "core/TextScan.h"

namespace shrink4 {

bool basePoolActive(std::string_view boxText)
{
    const auto text = trimSpaces(boxText);
    return !text.empty() && !contains(text, help::kBasePoolMarker);
}

NumberSet basePoolMembers(std::string_view boxText)
{
    return fourDigitWindows(trimSpaces(boxText));
}

NumberSet basePoolOutside(std::string_view boxText)
{
    return basePoolActive(boxText) ? ~basePoolMembers(boxText) : NumberSet{};
}

} // namespace shrink4
