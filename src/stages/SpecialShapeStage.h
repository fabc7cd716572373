#pragma once
#include "core/NumberSet.h"

#include <array>
#include <string_view>

namespace shrink4 {

// Whether the digit line thousands..units has the shape (0..5 as above).
bool hasSpecialShape(int shape, int d1, int d2, int d3, int d4);

// Numbers of the given shape.
const NumberSet& specialShapeSet(int shape);

} // namespace shrink4
