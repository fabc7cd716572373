#include "engine/Backtest.h"

#include "engine/HitRateInterval.h"

#include <algorithm>
#include <tuple>

namespace shrink4 {

namespace {

BacktestSummary summarize(const RunResult& run, const std::vector<DrawOutcome>& outcomes)
{
    BacktestSummary s;
    s.draws = int(outcomes.size());
    for (const auto& o : outcomes) {
        s.listed += o.explanation.listed;
        s.outsidePool += !o.explanation.inPool;
        s.currentMissRun = o.explanation.listed ? 0 : s.currentMissRun + 1;
        s.longestMissRun = std::max(s.longestMissRun, s.currentMissRun);
    }
    s.hitRate = s.draws ? double(s.listed) / s.draws : 0.0;
    if (s.draws > 0)
        std::tie(s.hitRateLow, s.hitRateHigh) = wilsonInterval(s.listed, s.draws);
    s.survivors = run.list.count;
    s.baseline = s.survivors / double(kNumberCount);
    if (s.survivors > 0)
        s.lift = s.hitRate / s.baseline;
    return s;
}

std::vector<RowDrawKills> rowKills(const RunResult& run, const std::vector<Draw>& draws)
{
    std::vector<RowDrawKills> rows;
    for (const auto& row : run.rows) {
        const auto killed =
            std::count_if(draws.begin(), draws.end(), [&](const Draw& d) { return row.fails.test(d.number); });
        rows.push_back(
            {std::string(rowKey(row)), int(killed), draws.empty() ? 0.0 : double(killed) / double(draws.size())});
    }
    return rows;
}

} // namespace

Backtest backtest(const RunResult& run, const std::vector<Draw>& draws)
{
    Backtest b;
    b.outcomes.reserve(draws.size());
    for (const auto& d : draws)
        b.outcomes.push_back({d, explainNumber(run, d.number)});
    b.summary = summarize(run, b.outcomes);
    b.rows = rowKills(run, draws);
    return b;
}

} // namespace shrink4
