// The lenient number parse of the range boxes and its rounding to a tolerance bound: the
// fast parse equals the literal one, and the bound is the parse rounded half to even and
// clamped to 32 bits.

#include "FuzzSupport.h"

#include "core/TextScan.h"
#include "reference/ReferenceRun.h"

#include <cmath>
#include <limits>
#include <string>

using namespace shrink4;
using namespace shrink4::fuzz;

namespace {

std::int32_t roundedAndClamped(double v)
{
    if (std::isnan(v))
        return 0;
    const double r = std::nearbyint(v); // the default rounding mode is half to even
    if (r <= double(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    if (r >= double(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    return std::int32_t(r);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double fast = lenientNumber(text);
    const double literal = reference::lenientNumber(text);
    check(fast == literal || (std::isnan(fast) && std::isnan(literal)), "lenientNumber equals the literal parse",
          std::to_string(fast) + " vs " + std::to_string(literal));
    check(lenientNumber(" \t" + text) == fast || std::isnan(fast), "leading blanks are skipped");

    const std::int32_t bound = toleranceBound(text);
    check(bound == reference::toleranceBound(text), "toleranceBound equals the literal bound");
    check(bound == roundedAndClamped(fast), "toleranceBound rounds half to even and clamps",
          std::to_string(bound) + " from " + std::to_string(fast));
    return 0;
}
