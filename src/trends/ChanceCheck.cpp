#include "trends/ChanceCheck.h"

#include "trends/TrialStatistics.h"

#include <algorithm>

namespace shrink4::trends {

std::vector<Draw> fairDraws(int drawCount, std::mt19937_64& rng)
{
    // The remainder, not a distribution object, so a seed gives the same draws with every
    // standard library; its bias over 2^64 is far below anything measured here.
    std::vector<Draw> draws;
    draws.reserve(std::size_t(std::max(drawCount, 0)));
    for (int i = 0; i < drawCount; ++i)
        draws.push_back({std::nullopt, int(rng() % kNumberCount), i + 1});
    return draws;
}

std::optional<ChanceCheck> chanceCheck(const ConditionInputs& scheme, std::span<const Trial> trials, int drawCount,
                                       double playerBest, int sets, std::uint64_t seed, const ChanceProgress& progress,
                                       const std::atomic<bool>* stop)
{
    std::mt19937_64 rng(seed);
    TrialRunner runner(scheme);
    ChanceCheck check;
    for (int set = 0; set < sets; ++set) {
        const auto z = runner.zOf(fairDraws(drawCount, rng), trials, stop);
        if (stop && stop->load())
            return std::nullopt;
        check.bestZ.push_back(z.empty() ? 0 : *std::max_element(z.begin(), z.end()));
        check.beaten += playerBest > check.bestZ.back();
        if (progress)
            progress(set + 1, sets);
    }
    return check;
}

} // namespace shrink4::trends
