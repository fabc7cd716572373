#pragma once
// What a single ticket returns over the 10,000 equally likely draws, at least and at most
// over all tickets. When the two are equal no choice of numbers changes the return rate:
// conditions change which numbers are bought, never what a ticket returns.

#include "engine/PrizeTable.h"

namespace shrink4 {

struct TicketReturnRange {
    double least = 0;    // the expected return of one ticket, lowest over 0000..9999
    double most = 0;     // and highest
    int leastTicket = 0; // a ticket that returns least
    int mostTicket = 0;  // and one that returns most
    bool alike(double tolerance = 1e-9) const { return most - least <= tolerance; }
};

// A ticket's return depends only on which of its positions hold equal digits (a box tier
// counts the draws that rearrange it, the others count the same for every ticket): the
// fifteen such patterns are priced, one ticket each.
TicketReturnRange ticketReturnRange(const PrizeTable& table);

} // namespace shrink4
