#pragma once
// Building blocks the stages share for turning their failures into condition rows.

#include "Stages.h"

#include <span>
#include <string_view>

namespace shrink4 {

// A row that takes part with the given failures.
StageRows oneRow(ControlId control, NumberSet fails);

// The row of a text condition: none when its box is empty; otherwise it takes part and
// fails what failuresOf(text) gives.
template <class Failures>
StageRows textRow(ControlId control, std::string_view text, Failures&& failuresOf)
{
    if (isEmptyBox(text, controlMeta(control).help))
        return {};
    return oneRow(control, failuresOf(text));
}

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
