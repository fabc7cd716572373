#include "trends/TrendFigures.h"

#include "core/NumberTables.h"

#include <algorithm>

namespace shrink4::trends {

ValueFigures WindowFigures::at(int track, int value) const
{
    const auto i = std::size_t(valueOffset(track) + value);
    ValueFigures f;
    f.hits = hits[i];
    f.expected = draws * valueShare(track, value);
    f.current = current[i];
    f.overdue = f.current * valueShare(track, value);
    f.max = max[i];
    f.average = double(draws - f.hits) / (f.hits + 1);
    return f;
}

TrackCounts WindowFigures::countsOf(int track) const
{
    const auto offset = std::size_t(valueOffset(track)), n = std::size_t(valueCount(track));
    return {draws, std::span(hits).subspan(offset, n), std::span(current).subspan(offset, n), shareCounts(track)};
}

WindowFigures windowFigures(std::span<const Draw> window)
{
    WindowFigures f;
    f.draws = int(window.size());
    f.hits.assign(kAllValueCount, 0);
    f.max.assign(kAllValueCount, 0);
    std::vector<int> lastShow(kAllValueCount, 0); // draw number 1..n, 0 before the first
    for (int i = 1; i <= f.draws; ++i) {
        const int number = window[std::size_t(i - 1)].number;
        for (int track = 0; track < kTrackCount; ++track)
            for (const auto v : shownValues(track, number)) {
                const auto k = std::size_t(valueOffset(track) + v);
                f.max[k] = std::max(f.max[k], i - lastShow[k] - 1);
                lastShow[k] = i;
                ++f.hits[k];
            }
    }
    f.current.resize(kAllValueCount);
    for (std::size_t k = 0; k < lastShow.size(); ++k) {
        f.current[k] = f.draws - lastShow[k];
        f.max[k] = std::max(f.max[k], f.current[k]);
    }
    return f;
}

std::array<std::vector<OmissionRow>, 4> positionOmissions(std::span<const Draw> window)
{
    std::array<std::vector<OmissionRow>, 4> grid;
    for (int p = 0; p < 4; ++p) {
        auto& rows = grid[std::size_t(p)];
        rows.resize(window.size());
        OmissionRow since{};
        for (std::size_t i = 0; i < window.size(); ++i) {
            for (auto& d : since)
                ++d;
            since[digitTable()[std::size_t(window[i].number)][std::size_t(p)]] = 0;
            rows[i] = since;
        }
    }
    return grid;
}

} // namespace shrink4::trends
