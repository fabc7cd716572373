#include "engine/PrizeTable.h"

#include "engine/PrizeDigits.h"

namespace shrink4 {

bool tierMatches(const PrizeTier& tier, int ticket, int draw)
{
    switch (tier.match) {
    case PrizeMatch::exact:
        return ticket == draw;
    case PrizeMatch::positions:
        return samePositions(ticket, draw, tier.positions);
    case PrizeMatch::box:
        return sortedDigits(ticket) == sortedDigits(draw);
    }
    return false;
}

int tierWon(const PrizeTable& table, int ticket, int draw)
{
    for (std::size_t i = 0; i < table.tiers.size(); ++i)
        if (tierMatches(table.tiers[i], ticket, draw))
            return int(i);
    return -1;
}

} // namespace shrink4
