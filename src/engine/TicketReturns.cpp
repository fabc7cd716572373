#include "engine/TicketReturns.h"

#include "core/NumberSet.h"
#include "engine/PrizeOdds.h"

#include <array>

namespace shrink4 {

namespace {

// The ticket whose digits name the classes of a partition of the four positions, the
// classes numbered in order of their first position (restricted growth strings): 0000,
// 0001, 0010, 0011, 0012, 0100, … 0123.
template <class Visit>
void eachPattern(std::array<int, 4>& digits, int position, int highest, const Visit& visit)
{
    if (position == 4) {
        visit(digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3]);
        return;
    }
    for (int d = 0; d <= highest + 1; ++d) {
        digits[std::size_t(position)] = d;
        eachPattern(digits, position + 1, d > highest ? d : highest, visit);
    }
}

} // namespace

TicketReturnRange ticketReturnRange(const PrizeTable& table)
{
    TicketReturnRange range;
    bool first = true;
    std::array<int, 4> digits{0, 0, 0, 0};
    eachPattern(digits, 1, 0, [&](int ticket) {
        NumberSet one;
        one.set(ticket);
        const double expected = prizeOdds(one, table).expectedReturn;
        if (first || expected < range.least) {
            range.least = expected;
            range.leastTicket = ticket;
        }
        if (first || expected > range.most) {
            range.most = expected;
            range.mostTicket = ticket;
        }
        first = false;
    });
    return range;
}

} // namespace shrink4
