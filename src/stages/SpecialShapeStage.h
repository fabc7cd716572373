#pragma once
#include "engine/NumberSet.h"

#include <array>
#include <string_view>

namespace shrink4 {

// Captions of the six shapes, in box order.
inline constexpr std::array<std::string_view, 6> kSpecialShapeCaptions = {
    "上山", "下山", "凸型", "凹形", "N型", "反N型"};

// Whether the digit line thousands..units has the shape (0..5 as above).
bool hasSpecialShape(int shape, int d1, int d2, int d3, int d4);

// Numbers of the given shape.
const NumberSet& specialShapeSet(int shape);

} // namespace shrink4
