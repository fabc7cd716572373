#pragma once
// Hits and latest show of every value over a window that slides forward one draw at a time:
// the entering draw is added and the leaving one taken away, never recounted.

#include "engine/Draws.h"
#include "trends/TrendRules.h"

#include <limits>
#include <span>
#include <vector>

namespace shrink4::trends {

class SlidingFigures {
public:
    explicit SlidingFigures(std::span<const Draw> draws)
        : m_draws(draws)
    {
    }

    // Makes the window the `size` draws before draw `end`; end never moves back.
    void slideTo(int end, int size);
    // One track's counts over the window, valid until the next slide.
    TrackCounts of(int track);

private:
    void count(int index, int step);

    std::span<const Draw> m_draws;
    int m_added = 0, m_removed = 0, m_end = 0, m_size = 0;
    std::vector<int> m_hits = std::vector<int>(kAllValueCount, 0);
    std::vector<int> m_lastShow = std::vector<int>(kAllValueCount, std::numeric_limits<int>::min() / 2);
    std::vector<int> m_current = std::vector<int>(kAllValueCount, 0);
};

} // namespace shrink4::trends
