#include "trends/WalkForward.h"

#include "engine/Backtest.h"
#include "engine/FilterRun.h"
#include "trends/TrendFigures.h"

#include <algorithm>
#include <limits>

namespace shrink4::trends {

namespace {

// Hits and latest show of every value over a window that slides one draw at a time: the
// entering draw is added and the leaving one taken away, never recounted.
class SlidingFigures {
public:
    explicit SlidingFigures(std::span<const Draw> draws)
        : m_draws(draws)
    {
    }

    // Makes the window the `size` draws before draw `end`.
    void slideTo(int end, int size)
    {
        m_size = size;
        m_end = end;
        for (; m_added < end; ++m_added)
            count(m_added, +1);
        for (; m_removed < end - size; ++m_removed)
            count(m_removed, -1);
    }

    TrackCounts of(int track)
    {
        const auto offset = std::size_t(valueOffset(track)), n = std::size_t(valueCount(track));
        for (std::size_t k = offset; k < offset + n; ++k)
            m_current[k] = std::min(m_end - 1 - m_lastShow[k], m_size);
        return {m_size, std::span(m_hits).subspan(offset, n), std::span(m_current).subspan(offset, n),
                shareCounts(track)};
    }

private:
    void count(int index, int step)
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

    std::span<const Draw> m_draws;
    int m_added = 0, m_removed = 0, m_end = 0, m_size = 0;
    std::vector<int> m_hits = std::vector<int>(kAllValueCount, 0);
    std::vector<int> m_lastShow = std::vector<int>(kAllValueCount, std::numeric_limits<int>::min() / 2);
    std::vector<int> m_current = std::vector<int>(kAllValueCount, 0);
};

template <class CountsOf>
std::vector<RulePick> pickAll(std::span<const Rule> rules, CountsOf&& countsOf)
{
    std::vector<RulePick> picked;
    for (const auto& rule : rules)
        picked.push_back({rule, pickRule(rule, countsOf)});
    return picked;
}

TestedDraw testDraw(const ConditionInputs& scheme, const Draw& draw, std::vector<RulePick> picked)
{
    ConditionInputs inputs = scheme;
    for (const auto& p : picked)
        applyPicks(inputs, p.tracks);
    const RunResult run = filterRun(inputs);
    return {draw, explainNumber(run, draw.number).listed, run.list.count, std::move(picked)};
}

WalkForwardSummary summarize(const std::vector<TestedDraw>& tested, int skipped)
{
    WalkForwardSummary s;
    s.draws = int(tested.size());
    s.skipped = skipped;
    double survivors = 0;
    for (const auto& t : tested) {
        s.listed += t.listed;
        survivors += t.survivors;
        s.currentMissRun = t.listed ? 0 : s.currentMissRun + 1;
        s.longestMissRun = std::max(s.longestMissRun, s.currentMissRun);
    }
    if (s.draws == 0)
        return s;
    s.hitRate = double(s.listed) / s.draws;
    s.meanSurvivors = survivors / s.draws;
    s.baseline = *s.meanSurvivors / kNumberCount;
    if (*s.meanSurvivors > 0)
        s.lift = *s.hitRate / *s.baseline;
    std::tie(s.hitRateLow, s.hitRateHigh) = wilsonInterval(s.listed, s.draws);
    return s;
}

WithoutRules schemeAlone(const ConditionInputs& scheme, const std::vector<TestedDraw>& tested)
{
    WithoutRules w;
    if (tested.empty())
        return w;
    std::vector<Draw> draws;
    for (const auto& t : tested)
        draws.push_back(t.draw);
    const auto alone = backtest(filterRun(scheme), draws).summary;
    w.listed = alone.listed;
    w.hitRate = alone.hitRate;
    w.baseline = alone.baseline;
    w.lift = alone.lift;
    return w;
}

} // namespace

std::vector<RulePick> pickRules(std::span<const Rule> rules, std::span<const Draw> window)
{
    const auto figures = windowFigures(window);
    return pickAll(rules, [&](int track) { return figures.countsOf(track); });
}

WalkForward walkForward(const ConditionInputs& scheme, std::span<const Draw> draws, std::span<const Rule> rules,
                        int window, int last)
{
    const int total = int(draws.size());
    const int first = last > 0 ? std::max(0, total - last) : 0;
    SlidingFigures sliding(draws);
    WalkForward result;
    int skipped = 0;
    for (int t = first; t < total; ++t) {
        if (t < window) {
            ++skipped;
            continue;
        }
        sliding.slideTo(t, window);
        auto picked = pickAll(rules, [&](int track) { return sliding.of(track); });
        result.draws.push_back(testDraw(scheme, draws[std::size_t(t)], std::move(picked)));
    }
    result.summary = summarize(result.draws, skipped);
    result.withoutRules = schemeAlone(scheme, result.draws);
    return result;
}

} // namespace shrink4::trends
