#pragma once
// Dan groups: four rows of digit buttons with the hit counts they allow, and the rules
// of their buttons, kept free of widgets so the window only binds them.

#include "core/NumberSet.h"

#include <array>

namespace shrink4 {

using DanDigitButtons = std::array<bool, 40>; // C_danzu: 10g+d
using DanCountButtons = std::array<bool, 20>; // C_danzu_gs: 5g+k

inline constexpr int kDanGroups = 4;

// Numbers that fail group g: their dan hits are not among the allowed counts ("1234"
// when the group selects no count). Empty when the group selects no digit.
NumberSet danGroupFailures(const DanDigitButtons& digits, const DanCountButtons& counts, int g, bool repeatCounting);

// Numbers whose count of failed groups lies outside [lower, upper].
NumberSet danStageFailures(const DanDigitButtons& digits, const DanCountButtons& counts, bool repeatCounting,
                           double lower, double upper);

bool danGroupActive(const DanDigitButtons& digits, int g);

// What a click on count button `index` does.
enum class DanCountClick { Unselect, Select, Refuse };
DanCountClick danCountClick(const DanDigitButtons& digits, const DanCountButtons& counts, int index,
                            int repeatCheckValue);

void ClearDanGroup(DanDigitButtons& digits, DanCountButtons& counts, int g);
void SelectAllDanGroup(DanDigitButtons& digits, DanCountButtons& counts, int g);

} // namespace shrink4
