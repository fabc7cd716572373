#include "AcValueStage.h"

#include "StageRows.h"
#include "core/NumberTables.h"

#include <array>
#include <bit>
#include <cstdlib>

namespace shrink4 {

int AcValue(int value)
{
    const auto& d = digitTable()[std::size_t(value)];
    unsigned seen = 0;
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b)
            seen |= 1u << std::abs(d[std::size_t(a)] - d[std::size_t(b)]);
    return std::popcount(seen);
}

const NumberSet& acValueSet(int ac)
{
    static const auto sets = [] {
        std::array<NumberSet, 7> s{};
        for (int v = 0; v < kNumberCount; ++v)
            s[std::size_t(AcValue(v))].set(v);
        return s;
    }();
    return sets[std::size_t(ac)];
}

// Box k (caption k+1) kills the AC value k+1.
void AcValueStage(const ConditionInputs& in, StageRows& rows)
{
    tickedRow(rows, ControlId::acValues, in.acValues, [](int k) -> const NumberSet& { return acValueSet(k + 1); });
}

} // namespace shrink4
