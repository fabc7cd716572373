#pragma once
// The arithmetic of a chart's axes, apart from painting: where the value axis ends and
// ticks, and how many bars share one caption so that captions never run together.

#include <QtGlobal>

namespace shrink4::charts {

struct ValueTicks {
    qreal top = 1;  // the axis runs from 0 to top
    qreal step = 1; // a tick every step, top included
};

// Ticks in steps of 1, 2 or 5 times a power of ten, at most about six of them, reaching at
// least `largest`. Counts never get a tick between two whole numbers.
ValueTicks niceTicks(qreal largest, bool wholeNumbers);

// How many neighbouring slots one caption stands for (1, 2, 5, 10, 20, 50, …): captions of
// `captionExtent` need that much room plus `gap` each, and a slot offers `slotExtent`.
int captionStep(qreal captionExtent, qreal gap, qreal slotExtent);

} // namespace shrink4::charts
