#pragma once
// Trials: rule tests made on the same draws, each walked forward, and the best of them judged
// against how good the best of that many would look by chance alone.

#include "engine/Draws.h"
#include "trends/TrendRules.h"
#include "trends/WalkForward.h"

#include <atomic>
#include <memory>
#include <span>
#include <vector>

namespace shrink4::trends {

struct Trial {
    std::vector<Rule> rules;
    int window = 1;
    int last = 0; // the latest draws tested; 0 for all
};

struct TrialOutcome {
    WalkForwardSummary summary;
    WithoutRules withoutRules;
    double z = 0; // the hits over their expectation (see hitZ)
};

struct TrialSet {
    std::vector<TrialOutcome> trials; // in the order given
    int best = -1;                    // the highest z; -1 without trials
    double threshold = 0;             // the z the best must exceed, for that many trials
    bool advantage = false;
};

// Walks every trial forward through the same draws. Runs of the scheme are kept by the values
// the rules picked, so trials (and draws) that pick alike share them, and trials of one window
// share the figures; a runner may be used again on other draws with the same scheme.
class TrialRunner {
public:
    explicit TrialRunner(const ConditionInputs& scheme);
    ~TrialRunner();
    TrialRunner(const TrialRunner&) = delete;
    TrialRunner& operator=(const TrialRunner&) = delete;

    // Each trial's tested draws in time order, their picks left out, and how many it skipped.
    // Empty when `stop` was raised before the end.
    struct Walked {
        std::vector<TestedDraw> tested;
        int skipped = 0;
    };
    std::vector<Walked> walk(std::span<const Draw> draws, std::span<const Trial> trials,
                             const std::atomic<bool>* stop = nullptr);
    // Only the z of each trial; empty when stopped.
    std::vector<double> zOf(std::span<const Draw> draws, std::span<const Trial> trials,
                            const std::atomic<bool>* stop = nullptr);

private:
    struct Runs;
    const ConditionInputs& m_scheme;
    std::unique_ptr<Runs> m_runs;
};

double trialZ(std::span<const TestedDraw> tested);

// Every trial with its summary, the scheme alone and its z, and the verdict on the best.
TrialSet runTrials(const ConditionInputs& scheme, std::span<const Draw> draws, std::span<const Trial> trials);

} // namespace shrink4::trends
