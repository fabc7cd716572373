#pragma once
// What tickets cost and what a draw pays them: a game's prize table of tiers, each won by a
// ticket that matches the draw in its way. A ticket wins the first tier it qualifies for.

#include <cstdint>
#include <string>
#include <vector>

namespace shrink4 {

enum class PrizeMatch : std::uint8_t {
    exact,     // all four positions equal
    positions, // the listed positions equal, the others anything
    box,       // the same four digits in any order, repeats included
};

struct PrizeTier {
    std::string name;
    PrizeMatch match = PrizeMatch::exact;
    unsigned positions = 0; // positions: bit p-1 for position p (1 = 千 … 4 = 个)
    double prize = 0;
};

struct PrizeTable {
    std::string name;
    double price = 0; // per ticket
    std::string currency;
    std::vector<PrizeTier> tiers;
};

inline constexpr int kMaxPrizeTiers = 20;

// Whether the ticket qualifies for the tier against the draw.
bool tierMatches(const PrizeTier& tier, int ticket, int draw);

// The index of the first tier the ticket wins against the draw, or -1.
int tierWon(const PrizeTable& table, int ticket, int draw);

} // namespace shrink4
