#include "BasePool.h"

#include "conditions/ConditionTable.h"
#include "core/TextScan.h"

namespace shrink4 {

bool basePoolActive(std::string_view boxText)
{
    return !isEmptyBox(boxText, help::kBasePool);
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
