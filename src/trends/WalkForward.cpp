#include "trends/WalkForward.h"

#include "engine/Backtest.h"
#include "engine/FilterRun.h"
#include "trends/SlidingFigures.h"
#include "trends/TrendFigures.h"

#include <algorithm>

namespace shrink4::trends {

namespace {

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

} // namespace

WalkForwardSummary summarizeTested(std::span<const TestedDraw> tested, int skipped)
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

WithoutRules schemeAlone(const RunResult& schemeRun, std::span<const TestedDraw> tested)
{
    WithoutRules w;
    if (tested.empty())
        return w;
    std::vector<Draw> draws;
    for (const auto& t : tested)
        draws.push_back(t.draw);
    const auto alone = backtest(schemeRun, draws).summary;
    w.listed = alone.listed;
    w.hitRate = alone.hitRate;
    w.baseline = alone.baseline;
    w.lift = alone.lift;
    return w;
}

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
    result.summary = summarizeTested(result.draws, skipped);
    result.withoutRules = schemeAlone(filterRun(scheme), result.draws);
    return result;
}

} // namespace shrink4::trends
