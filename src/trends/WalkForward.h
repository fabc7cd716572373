#pragma once
// A rule tested walking forward: at each tested draw the rules are picked from the W draws
// just before it, applied to the scheme, the scheme is run, and the draw looked up in that
// run. Nothing a rule sees comes from the draw it is judged on or a later one.

#include "engine/Draws.h"
#include "engine/FilterRun.h"
#include "engine/HitRateInterval.h"
#include "trends/TrendRules.h"

#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace shrink4::trends {

struct RulePick {
    Rule rule;
    std::vector<TrackPick> tracks;
};

struct TestedDraw {
    Draw draw;
    bool listed = false;
    int survivors = 0;
    std::vector<RulePick> picked; // in the order the rules were given
};

struct WalkForwardSummary {
    int draws = 0;   // tested
    int skipped = 0; // with fewer than W draws before them
    int listed = 0;
    // None without a tested draw; lift also none when nothing survived on average.
    std::optional<double> hitRate, meanSurvivors, baseline, lift, hitRateLow, hitRateHigh;
    int longestMissRun = 0;
    int currentMissRun = 0;
};

// The scheme alone over the same tested draws.
struct WithoutRules {
    int listed = 0;
    std::optional<double> hitRate, baseline, lift;
};

struct WalkForward {
    std::vector<TestedDraw> draws; // time order
    WalkForwardSummary summary;
    WithoutRules withoutRules;
};

// draws in time order; the latest `last` of them are tested (all when last is 0).
WalkForward walkForward(const ConditionInputs& scheme, std::span<const Draw> draws, std::span<const Rule> rules,
                        int window, int last = 0);

// The summary of tested draws in time order (their picks unused).
WalkForwardSummary summarizeTested(std::span<const TestedDraw> tested, int skipped);
// The scheme alone, run once, over the same tested draws.
WithoutRules schemeAlone(const RunResult& schemeRun, std::span<const TestedDraw> tested);

// The picks of every rule over a window of draws, oldest first.
std::vector<RulePick> pickRules(std::span<const Rule> rules, std::span<const Draw> window);

} // namespace shrink4::trends
