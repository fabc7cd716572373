// Trials and the chance check: the normal quantiles the threshold rests on, trials walked
// together equal to each walked alone, a search of every single rule over fair draws judged
// within chance, and a rule that truly knows something judged an advantage.

#include "reference/RandomInputs.h"
#include "trends/ChanceCheck.h"
#include "trends/TrialStatistics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace shrink4;
using namespace shrink4::trends;

namespace {

// Every single rule FAMILY:cold|hot:K, K 1 to 3, each with W 30, 100 and 300: 180 trials.
std::vector<Trial> singleRuleTrials()
{
    std::vector<Trial> trials;
    for (int f = 0; f < kFamilyCount; ++f)
        for (const auto leaning : {Leaning::cold, Leaning::hot})
            for (int k = 1; k <= 3; ++k)
                for (const int w : {30, 100, 300})
                    trials.push_back({{{Family(f), leaning, k}}, w, 0});
    return trials;
}

} // namespace

// Reference values from Wichura's AS 241 (Python's statistics.NormalDist).
TEST(Trials, NormalQuantilesAndThreshold)
{
    EXPECT_NEAR(inverseNormal(0.975), 1.9599639845400536, 1e-12);
    EXPECT_NEAR(inverseNormal(0.3), -0.5244005127080407, 1e-12);
    EXPECT_NEAR(inverseNormal(1e-10), -6.361340902404056, 1e-10);
    EXPECT_NEAR(inverseNormal(1 - 0.05 / 170), 3.436981723726939, 1e-9); // 1 − p rounds here
    EXPECT_NEAR(searchThreshold(170), 3.436981723726898, 1e-12);
    EXPECT_NEAR(searchThreshold(1), 1.6448536269514722, 1e-12);
    // Certain hits tell nothing; otherwise hits over expectation in standard deviations.
    EXPECT_EQ(hitZ(5, {5, 0}), 0);
    EXPECT_NEAR(hitZ(60, {50, 25}), 2.0, 1e-12);
}

// Walked together (shared figures and runs), each trial gives what it gives walked alone.
TEST(Trials, TogetherAsEachAlone)
{
    std::mt19937 rng(11);
    const ConditionInputs scheme = reference::randomInputs(rng);
    std::vector<Draw> draws;
    for (int i = 0; i < 90; ++i)
        draws.push_back({std::nullopt, int(rng() % 10000), i + 1});
    const std::vector<Trial> trials = {
        {{{Family::sum, Leaning::cold, 3}}, 20, 0},
        {{{Family::position, Leaning::hot, 2}, {Family::digit, Leaning::cold, 1}}, 20, 50},
        {{{Family::sum, Leaning::cold, 3}}, 35, 80},
        {{{Family::span, Leaning::hot, 1}}, 95, 0}};
    const auto set = runTrials(scheme, draws, trials);
    ASSERT_EQ(set.trials.size(), trials.size());
    for (std::size_t i = 0; i < trials.size(); ++i) {
        const auto alone = walkForward(scheme, draws, trials[i].rules, trials[i].window, trials[i].last);
        const auto& s = set.trials[i].summary;
        EXPECT_EQ(std::tie(s.draws, s.skipped, s.listed, s.meanSurvivors, s.longestMissRun),
                  std::tie(alone.summary.draws, alone.summary.skipped, alone.summary.listed,
                           alone.summary.meanSurvivors, alone.summary.longestMissRun))
            << "trial " << i;
        EXPECT_EQ(set.trials[i].withoutRules.listed, alone.withoutRules.listed) << "trial " << i;
        EXPECT_DOUBLE_EQ(set.trials[i].z, trialZ(alone.draws)) << "trial " << i;
    }
    EXPECT_NEAR(set.threshold, searchThreshold(4), 1e-15);
}

// Searching every single rule over fair draws finds nothing beyond the threshold, but for
// the rare set where chance alone reaches it (5 % by construction).
TEST(Trials, FairSearchIsWithinChance)
{
    const auto trials = singleRuleTrials();
    const auto check = chanceCheck({}, trials, 700, 0, 20, 2024);
    ASSERT_TRUE(check);
    const double threshold = searchThreshold(int(trials.size()));
    const auto within =
        std::count_if(check->bestZ.begin(), check->bestZ.end(), [&](double z) { return z <= threshold; });
    EXPECT_GE(within, 19);
    // A seed repeats its draws.
    EXPECT_EQ(chanceCheck({}, {trials.data(), 3}, 200, 0, 2, 7)->bestZ,
              chanceCheck({}, {trials.data(), 3}, 200, 0, 2, 7)->bestZ);
}

// Draws whose thousands digit is never 7: the coldest thousands digit is 7 once the window
// has run, and killing it never kills the drawn number, far more often than chance allows.
TEST(Trials, PlantedRuleIsAnAdvantage)
{
    std::mt19937_64 rng(3);
    auto draws = fairDraws(400, rng);
    for (auto& d : draws)
        if (d.number / 1000 == 7)
            d.number -= 1000;
    auto trials = singleRuleTrials();
    trials.push_back({{{Family::position, Leaning::cold, 1, 1}}, 100, 0});
    const auto set = runTrials({}, draws, trials);
    EXPECT_TRUE(set.advantage);
    EXPECT_GT(set.trials.back().z, set.threshold);
    EXPECT_EQ(set.trials.back().summary.listed, 300);

    std::atomic<bool> stop = true;
    EXPECT_FALSE(chanceCheck({}, trials, 400, set.trials[std::size_t(set.best)].z, 20, 1, {}, &stop));
}
