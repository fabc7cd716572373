#pragma once
// Building blocks the stages share for turning their failures into condition rows.

#include "Stages.h"

#include <span>
#include <string_view>

namespace shrink4 {

// Appends a row that takes part and returns its failures, still empty, to be filled.
NumberSet& addRow(StageRows& rows, ControlId control, int item = -1);

// The row of a text condition: none when its box is empty; otherwise it takes part and
// fails what failuresOf(text) gives.
template <class Failures>
void textRow(StageRows& rows, ControlId control, std::string_view text, Failures&& failuresOf)
{
    if (!isEmptyBox(text, controlMeta(control).help))
        addRow(rows, control) = failuresOf(text);
}

// The row of a condition made of check boxes: the union of the sets of the ticked boxes,
// or no row when no box is ticked.
template <class SetOfBox>
void tickedRow(StageRows& rows, ControlId control, std::span<const int> boxes, SetOfBox&& setOf)
{
    NumberSet* fails = nullptr;
    for (std::size_t k = 0; k < boxes.size(); ++k)
        if (isTickedValue(boxes[k])) {
            fails = fails ? fails : &addRow(rows, control);
            *fails |= setOf(int(k));
        }
}

} // namespace shrink4
