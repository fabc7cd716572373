#include "trends/Trials.h"

#include "core/NumberSet.h"
#include "engine/FilterRun.h"
#include "trends/SlidingFigures.h"
#include "trends/TrialStatistics.h"

#include <algorithm>
#include <string>
#include <unordered_map>

namespace shrink4::trends {

namespace {

// Past this many kept runs (about 1.3 KB each) they are dropped and made again as needed:
// rules over every position rarely pick alike twice and would otherwise grow without end.
constexpr std::size_t kMaxKeptRuns = 16384;

struct KeptRun {
    NumberSet listed; // what a drawn number is looked up in: the verdict, inside the pool
    int survivors = 0;
};

KeptRun keep(const RunResult& run)
{
    KeptRun kept{{}, run.list.count};
    for (int n = 0; n < kNumberCount; ++n)
        if (!run.outsidePool.test(n) && run.verdict.test(n))
            kept.listed.set(n);
    return kept;
}

// The picks as a key: track and values of each, in order, as bytes.
void addKey(const std::vector<TrackPick>& picks, std::string& key)
{
    for (const auto& p : picks) {
        key += char(p.track);
        key += char(p.values.size());
        for (const int v : p.values)
            key += char(v);
    }
}

int firstTested(const Trial& trial, int total)
{
    return std::max(trial.last > 0 ? std::max(0, total - trial.last) : 0, trial.window);
}

int skippedOf(const Trial& trial, int total)
{
    const int from = trial.last > 0 ? std::max(0, total - trial.last) : 0;
    return std::max(0, std::min(trial.window, total) - from);
}

} // namespace

struct TrialRunner::Runs {
    std::unordered_map<std::string, KeptRun> kept;
    std::string key;
    std::vector<std::vector<TrackPick>> picks;

    const KeptRun& of(const ConditionInputs& scheme, const Trial& trial, SlidingFigures& figures)
    {
        key.clear();
        picks.clear();
        for (const auto& rule : trial.rules) {
            picks.push_back(pickRule(rule, [&](int track) { return figures.of(track); }));
            addKey(picks.back(), key);
        }
        if (const auto found = kept.find(key); found != kept.end())
            return found->second;
        ConditionInputs inputs = scheme;
        for (const auto& p : picks)
            applyPicks(inputs, p);
        if (kept.size() >= kMaxKeptRuns)
            kept.clear();
        return kept.emplace(key, keep(filterRun(inputs))).first->second;
    }
};

TrialRunner::TrialRunner(const ConditionInputs& scheme)
    : m_scheme(scheme),
      m_runs(std::make_unique<Runs>())
{
}

TrialRunner::~TrialRunner() = default;

std::vector<TrialRunner::Walked> TrialRunner::walk(std::span<const Draw> draws, std::span<const Trial> trials,
                                                   const std::atomic<bool>* stop)
{
    const int total = int(draws.size());
    std::vector<Walked> walked(trials.size());
    std::vector<int> windows;
    for (const auto& trial : trials)
        windows.push_back(trial.window);
    std::sort(windows.begin(), windows.end());
    windows.erase(std::unique(windows.begin(), windows.end()), windows.end());
    // One slide through the draws for every window, shared by the trials that use it.
    for (const int window : windows) {
        SlidingFigures figures(draws);
        int from = total;
        for (const auto& trial : trials)
            if (trial.window == window)
                from = std::min(from, firstTested(trial, total));
        for (int t = from; t < total; ++t) {
            if (stop && stop->load(std::memory_order_relaxed))
                return {};
            figures.slideTo(t, window);
            const Draw& draw = draws[std::size_t(t)];
            for (std::size_t i = 0; i < trials.size(); ++i) {
                if (trials[i].window != window || t < firstTested(trials[i], total))
                    continue;
                const KeptRun& run = m_runs->of(m_scheme, trials[i], figures);
                walked[i].tested.push_back({draw, run.listed.test(draw.number), run.survivors, {}});
            }
        }
    }
    for (std::size_t i = 0; i < trials.size(); ++i)
        walked[i].skipped = skippedOf(trials[i], total);
    return walked;
}

std::vector<double> TrialRunner::zOf(std::span<const Draw> draws, std::span<const Trial> trials,
                                     const std::atomic<bool>* stop)
{
    std::vector<double> z;
    for (const auto& w : walk(draws, trials, stop))
        z.push_back(trialZ(w.tested));
    return z;
}

double trialZ(std::span<const TestedDraw> tested)
{
    HitExpectation e;
    int listed = 0;
    for (const auto& t : tested) {
        e.add(double(t.survivors) / kNumberCount);
        listed += t.listed;
    }
    return hitZ(listed, e);
}

TrialSet runTrials(const ConditionInputs& scheme, std::span<const Draw> draws, std::span<const Trial> trials)
{
    TrialRunner runner(scheme);
    const RunResult alone = filterRun(scheme);
    TrialSet set;
    std::vector<double> z;
    for (const auto& w : runner.walk(draws, trials)) {
        set.trials.push_back({summarizeTested(w.tested, w.skipped), schemeAlone(alone, w.tested), trialZ(w.tested)});
        z.push_back(set.trials.back().z);
    }
    set.best = bestIndex(z);
    set.threshold = searchThreshold(int(trials.size()));
    set.advantage = set.best >= 0 && z[std::size_t(set.best)] > set.threshold;
    return set;
}

} // namespace shrink4::trends
