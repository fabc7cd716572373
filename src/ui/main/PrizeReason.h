#pragma once
// Why a drawn number is not among a run's survivors, in a few words for the prize check:
// outside the base pool, and the conditions it fails.

#include <QString>

namespace shrink4 {

struct RunResult;

// Empty when the number is listed. Of a group list: why none of the orders of its digits
// is listed.
QString prizeReason(const RunResult& run, int number, bool groupForms = false);

// The number a prize box's text names: four ASCII digits after trimming, else -1.
int drawnNumber(const QString& typed);

} // namespace shrink4
