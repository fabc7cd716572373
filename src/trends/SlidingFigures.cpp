#include "trends/SlidingFigures.h"

#include <algorithm>

namespace shrink4::trends {

void SlidingFigures::slideTo(int end, int size)
{
    m_size = size;
    m_end = end;
    for (; m_added < end; ++m_added)
        count(m_added, +1);
    for (; m_removed < end - size; ++m_removed)
        count(m_removed, -1);
}

TrackCounts SlidingFigures::of(int track)
{
    const auto offset = std::size_t(valueOffset(track)), n = std::size_t(valueCount(track));
    for (std::size_t k = offset; k < offset + n; ++k)
        m_current[k] = std::min(m_end - 1 - m_lastShow[k], m_size);
    return {m_size, std::span(m_hits).subspan(offset, n), std::span(m_current).subspan(offset, n), shareCounts(track)};
}

void SlidingFigures::count(int index, int step)
{
    const int number = m_draws[std::size_t(index)].number;
    for (int track = 0; track < kTrackCount; ++track)
        for (const auto v : shownValues(track, number)) {
            const auto k = std::size_t(valueOffset(track) + v);
            m_hits[k] += step;
            if (step > 0)
                m_lastShow[k] = index;
        }
}

} // namespace shrink4::trends
