#pragma once
// The figures of every value over a window of past draws, counted in one pass, and the
// omission of each digit at each draw for the trend grid.

#include "engine/Draws.h"
#include "trends/TrendFamilies.h"
#include "trends/TrendRules.h"

#include <array>
#include <span>
#include <vector>

namespace shrink4::trends {

struct ValueFigures {
    int hits = 0;        // draws of the window that show the value
    double expected = 0; // draws times the value's share of 0000..9999
    int current = 0;     // draws since its latest show; the window's size when none
    double overdue = 0;  // current times the value's share: the shows its current omission missed
    int max = 0;         // longest run of draws without it, the runs at both ends included
    double average = 0;  // (draws - hits) / (hits + 1)
};

// Every value of every track, laid end to end (see valueOffset).
struct WindowFigures {
    int draws = 0;
    std::vector<int> hits;
    std::vector<int> current;
    std::vector<int> max;

    ValueFigures at(int track, int value) const;
    // One track's hits, current omissions and shares, as the rules weigh them.
    TrackCounts countsOf(int track) const;
};

// The window is the draws given, oldest first.
WindowFigures windowFigures(std::span<const Draw> window);

// For each position, each draw of the window (oldest first) and each digit: the draws since
// the digit last showed there, counted within the window; 0 where it is the drawn digit.
using OmissionRow = std::array<int, 10>;
std::array<std::vector<OmissionRow>, 4> positionOmissions(std::span<const Draw> window);

} // namespace shrink4::trends
