#include "ChartScale.h"

#include <cmath>

namespace shrink4::charts {

namespace {

constexpr qreal kMaxTicks = 6;
constexpr qreal kMultiples[] = {1, 2, 5, 10};

// The smallest of 1, 2, 5 times a power of ten that is at least `wanted` (> 0).
qreal niceStep(qreal wanted)
{
    const qreal power = std::pow(10.0, std::floor(std::log10(wanted)));
    for (qreal m : kMultiples)
        if (m * power >= wanted * (1 - 1e-9))
            return m * power;
    return 10 * power;
}

} // namespace

ValueTicks niceTicks(qreal largest, bool wholeNumbers)
{
    if (!(largest > 0))
        return {};
    qreal step = niceStep(largest / (kMaxTicks - 1));
    if (wholeNumbers)
        step = std::max<qreal>(step, 1);
    return {std::ceil(largest / step - 1e-9) * step, step};
}

int captionStep(qreal captionExtent, qreal gap, qreal slotExtent)
{
    if (slotExtent <= 0)
        return 1;
    const qreal needed = (captionExtent + gap) / slotExtent;
    return needed <= 1 ? 1 : int(niceStep(needed));
}

} // namespace shrink4::charts
