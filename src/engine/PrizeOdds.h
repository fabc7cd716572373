#pragma once
// What a list of tickets costs and returns over all 10,000 equally likely draws, tier by
// tier. Counted from the tickets' digits, never by trying every ticket on every draw: a
// ticket wins a tier on a small neighbourhood of draws, and the first-tier rule is an
// inclusion and exclusion over the tiers before.

#include "core/NumberSet.h"
#include "engine/PrizeTable.h"

#include <optional>
#include <vector>

namespace shrink4 {

// For every draw 0000..9999, how many tickets win each tier first, and what they are paid.
struct DrawPayouts {
    std::vector<std::vector<int>> winners; // [tier][draw]
    std::vector<double> paid;              // [draw]: Σ prize × winners, in tier order
};

DrawPayouts drawPayouts(const NumberSet& tickets, const PrizeTable& table);

struct TierOdds {
    int draws = 0;       // draws on which at least one ticket wins the tier
    double expected = 0; // the tier's part of the expected return
};

struct PrizeOdds {
    int tickets = 0;
    double cost = 0;
    double expectedReturn = 0;
    std::optional<double> returnRate; // none without tickets
    double anyPrize = 0;              // share of draws that pay something
    double costBack = 0;              // share of draws that pay at least the cost
    std::vector<TierOdds> tiers;
};

PrizeOdds prizeOdds(const NumberSet& tickets, const PrizeTable& table);

} // namespace shrink4
