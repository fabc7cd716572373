#include "reference/ReferencePrizes.h"

#include <algorithm>
#include <string>

namespace shrink4::reference {

namespace {

std::string digitsOf(int n)
{
    std::string s = std::to_string(n);
    return std::string(4 - s.size(), '0') + s;
}

bool qualifies(const PrizeTier& tier, const std::string& ticket, const std::string& draw)
{
    if (tier.match == PrizeMatch::exact)
        return ticket == draw;
    if (tier.match == PrizeMatch::box) {
        std::string a = ticket, b = draw;
        std::sort(a.begin(), a.end());
        std::sort(b.begin(), b.end());
        return a == b;
    }
    for (std::size_t p = 0; p < 4; ++p)
        if ((tier.positions & (1u << p)) && ticket[p] != draw[p])
            return false;
    return true;
}

} // namespace

std::vector<std::vector<int>> referenceWinners(const std::vector<int>& tickets, const PrizeTable& table)
{
    std::vector<std::vector<int>> winners(table.tiers.size(), std::vector<int>(10000, 0));
    for (int d = 0; d < 10000; ++d) {
        const std::string draw = digitsOf(d);
        for (const int t : tickets) {
            const std::string ticket = digitsOf(t);
            for (std::size_t i = 0; i < table.tiers.size(); ++i)
                if (qualifies(table.tiers[i], ticket, draw)) {
                    ++winners[i][std::size_t(d)];
                    break;
                }
        }
    }
    return winners;
}

} // namespace shrink4::reference
