#include "Verdict.h"

#include "core/TextScan.h"

namespace shrink4 {

NumberSet verdict(const BitCounter& failCount, std::int32_t conditionCount, const std::array<std::string, 2>& tolerance)
{
    if (conditionCount == 0)
        return NumberSet::all();
    return failCount.inRange(toleranceBound(tolerance[0]), toleranceBound(tolerance[1]));
}

} // namespace shrink4
