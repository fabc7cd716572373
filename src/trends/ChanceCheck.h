#pragma once
// The chance check: the same trials made again on sets of fair random draws, to show how
// good the best of them looks when no rule can know anything.

#include "trends/Trials.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <span>
#include <vector>

namespace shrink4::trends {

inline constexpr int kDefaultChanceSets = 20;
inline constexpr int kMaxChanceSets = 200;

struct ChanceCheck {
    std::vector<double> bestZ; // each random set's best z, in the order made
    int beaten = 0;            // how many of them the player's best exceeds
};

// Told the sets finished so far, and how many there are.
using ChanceProgress = std::function<void(int done, int sets)>;

// `drawCount` uniform draws 0000..9999 without labels, the same for a seed on every machine.
std::vector<Draw> fairDraws(int drawCount, std::mt19937_64& rng);

// The trials run on `sets` sets of `drawCount` fair draws made from `seed`; none when `stop`
// was raised first.
std::optional<ChanceCheck> chanceCheck(const ConditionInputs& scheme, std::span<const Trial> trials, int drawCount,
                                       double playerBest, int sets, std::uint64_t seed,
                                       const ChanceProgress& progress = {}, const std::atomic<bool>* stop = nullptr);

} // namespace shrink4::trends
