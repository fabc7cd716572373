#pragma once
// Building blocks the stages share for turning their failures into condition rows.

#include "Stages.h"

#include <span>
#include <string_view>

namespace shrink4 {

// A free-text box counts as a condition when its trimmed text is not empty and does not
// hold the marker word of its help text.
bool textCounted(std::string_view boxText, std::string_view marker);

// The row of a text condition; none when it neither counts nor fails anything.
StageRows textRow(ControlId control, NumberSet fails, bool counted);

// A row that takes part with the given failures.
StageRows oneRow(ControlId control, NumberSet fails);

// The row of a condition made of check boxes: the union of the sets of the ticked boxes,
// or no row when no box is ticked.
template <class SetOfBox>
StageRows tickedRow(ControlId control, std::span<const int> boxes, SetOfBox&& setOf)
{
    bool any = false;
    NumberSet fails;
    for (std::size_t k = 0; k < boxes.size(); ++k)
        if (isTickedValue(boxes[k])) {
            any = true;
            fails |= setOf(int(k));
        }
    return any ? oneRow(control, std::move(fails)) : StageRows{};
}

} // namespace shrink4
