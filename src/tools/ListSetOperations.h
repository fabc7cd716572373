#pragma once
// The list set tool: intersection, union and both differences of two list texts. A number
// belongs to a list when its four-character form occurs anywhere in the text, so every
// run of four or more digits contributes each of its four-digit windows.

#include "core/NumberSet.h"

#include <string>
#include <string_view>

namespace shrink4 {

// In the order of the tool's buttons.
enum class ListSetOperation { Intersection, Union, AMinusB, BMinusA };

struct ListSetResult {
    NumberSet members;
    std::string text; // the members ascending, separated by single spaces, no trailing space
    int count = 0;
};

ListSetResult applyListSetOperation(ListSetOperation operation, std::string_view listA, std::string_view listB);

} // namespace shrink4
