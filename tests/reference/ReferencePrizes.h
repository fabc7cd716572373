#pragma once
// The literal prize count: every ticket tried on every draw, each against the tiers in
// order, its digits compared one by one.

#include "engine/PrizeTable.h"

#include <vector>

namespace shrink4::reference {

// [tier][draw]: how many tickets win that tier first on that draw.
std::vector<std::vector<int>> referenceWinners(const std::vector<int>& tickets, const PrizeTable& table);

} // namespace shrink4::reference
