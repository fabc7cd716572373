#include "SpecialShapeStage.h"

#include "StageRows.h"
#include "core/NumberTables.h"

namespace shrink4 {

namespace {

// The shapes in box order.
enum class Shape { Uphill, Downhill, Convex, Concave, N, ReversedN };

} // namespace

bool hasSpecialShape(int shape, int d1, int d2, int d3, int d4)
{
    switch (Shape(shape)) {
    case Shape::Uphill:
        return d1 <= d2 && d2 <= d3 && d3 <= d4 && d1 < d4;
    case Shape::Downhill:
        return d1 >= d2 && d2 >= d3 && d3 >= d4 && d4 < d1;
    case Shape::Convex:
        return (d1 < d2 && d3 > d4) || (d1 <= d2 && d2 < d3 && d3 > d4) || (d1 < d2 && d2 > d3 && d3 >= d4);
    case Shape::Concave:
        return (d1 > d2 && d3 < d4) || (d1 >= d2 && d2 > d3 && d3 < d4) || (d1 > d2 && d2 < d3 && d3 <= d4);
    case Shape::N:
        return d1 < d2 && d2 > d3 && d3 < d4;
    case Shape::ReversedN:
        return d1 > d2 && d2 < d3 && d3 > d4;
    }
    return false;
}

const NumberSet& specialShapeSet(int shape)
{
    static const auto sets = [] {
        std::array<NumberSet, 6> s{};
        const auto& digits = digitTable();
        for (int v = 0; v < kNumberCount; ++v) {
            const auto& d = digits[std::size_t(v)];
            for (int k = 0; k < 6; ++k)
                if (hasSpecialShape(k, d[0], d[1], d[2], d[3]))
                    s[std::size_t(k)].set(v);
        }
        return s;
    }();
    return sets[std::size_t(shape)];
}

// Every ticked shape is a condition of its own; a number has at most one shape.
void SpecialShapeStage(const ConditionInputs& in, StageRows& rows)
{
    for (int k = 0; k < 6; ++k)
        if (isTickedValue(in.specialShapes[std::size_t(k)]))
            addRow(rows, ControlId::specialShapes, k) = specialShapeSet(k);
}

} // namespace shrink4
