// The prize figures of a list over all 10,000 draws, counted from the tickets' digits,
// against the literal count of every ticket on every draw; and the figures a player can
// check by hand.

#include "engine/PrizeOdds.h"
#include "engine/TicketReturns.h"
#include "reference/ReferencePrizes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace shrink4;

namespace {

PrizeTable randomTable(std::mt19937& rng)
{
    const auto pick = [&rng](int n) { return int(rng() % unsigned(n)); };
    PrizeTable table{"t", 0.5 + pick(5), "元", {}};
    const int tiers = 1 + pick(6);
    for (int i = 0; i < tiers; ++i) {
        PrizeTier tier{"tier", PrizeMatch(pick(3)), 0, double(pick(2000)) + pick(4) * 0.25};
        while (tier.match == PrizeMatch::positions && tier.positions == 0)
            tier.positions = unsigned(pick(16));
        table.tiers.push_back(tier);
    }
    return table;
}

// Tickets now scattered, now crowded where tiers overlap most (shared digits, repeats).
std::vector<int> randomTickets(std::mt19937& rng)
{
    const int count = int(rng() % 400);
    const bool crowded = rng() % 2 == 0;
    std::vector<int> tickets;
    for (int k = 0; k < count; ++k)
        tickets.push_back(crowded ? int(rng() % 3) * 1000 + int(rng() % 3) * 100 + int(rng() % 10) * 10 + 7
                                  : int(rng() % 10000));
    return tickets;
}

} // namespace

TEST(PrizeOdds, CountedFiguresEqualTheLiteralCountOnRandomListsAndTables)
{
    std::mt19937 rng(35);
    for (int round = 0; round < 12; ++round) {
        const PrizeTable table = randomTable(rng);
        const std::vector<int> list = randomTickets(rng);
        NumberSet tickets;
        for (const int t : list)
            tickets.set(t);
        std::vector<int> distinct;
        for (int n = 0; n < 10000; ++n)
            if (tickets.test(n))
                distinct.push_back(n);
        const auto literal = reference::referenceWinners(distinct, table);
        const DrawPayouts counted = drawPayouts(tickets, table);
        ASSERT_EQ(counted.winners, literal) << "round " << round;
        const PrizeOdds odds = prizeOdds(tickets, table);
        double total = 0;
        int paying = 0;
        for (int d = 0; d < 10000; ++d) {
            double paid = 0;
            for (std::size_t i = 0; i < table.tiers.size(); ++i)
                paid += table.tiers[i].prize * literal[i][std::size_t(d)];
            total += paid;
            paying += paid > 0;
        }
        EXPECT_NEAR(odds.expectedReturn, total / 10000, 1e-9);
        EXPECT_NEAR(odds.anyPrize, paying / 10000.0, 1e-12);
        EXPECT_EQ(odds.tickets, int(distinct.size()));
    }
}

// 352 tickets on a 直选 tier alone return half their cost, as the tier pays 5,000 times a
// price of 2 on one draw in 10,000; the first tier a ticket qualifies for is the only one.
TEST(PrizeOdds, FiguresAPlayerCanCheckByHand)
{
    NumberSet tickets;
    for (int n = 0; n < 352; ++n)
        tickets.set(n * 7);
    const PrizeTable straight{"示例", 2, "元", {{"直选", PrizeMatch::exact, 0, 10000}}};
    const PrizeOdds odds = prizeOdds(tickets, straight);
    EXPECT_EQ(odds.cost, 704);
    EXPECT_DOUBLE_EQ(odds.expectedReturn, 352.0);
    EXPECT_DOUBLE_EQ(*odds.returnRate, 0.5);
    EXPECT_DOUBLE_EQ(odds.anyPrize, 0.0352);
    EXPECT_DOUBLE_EQ(odds.costBack, 0.0352);
    ASSERT_EQ(odds.tiers.size(), 1u);
    EXPECT_EQ(odds.tiers[0].draws, 352);

    // One ticket 1234: 直选 on 1234 only, 后三 on the 9 other draws ending 234, 组选 on the
    // 23 other rearrangements; nothing on the rest.
    NumberSet one;
    one.set(1234);
    const PrizeTable three{"示例",
                           2,
                           "元",
                           {{"直选", PrizeMatch::exact, 0, 10000},
                            {"后三", PrizeMatch::positions, 0b1110, 1000},
                            {"组选", PrizeMatch::box, 0, 400}}};
    const PrizeOdds o = prizeOdds(one, three);
    EXPECT_EQ(o.tiers[0].draws, 1);
    EXPECT_EQ(o.tiers[1].draws, 9);
    EXPECT_EQ(o.tiers[2].draws, 23);
    EXPECT_DOUBLE_EQ(o.expectedReturn, (10000 + 9 * 1000 + 23 * 400) / 10000.0);
    EXPECT_FALSE(prizeOdds(NumberSet(), three).returnRate);
}

// A ticket's return is that of its pattern of equal positions: every ticket lies within the
// range, the range's ends are returns of real tickets, and without a box tier every ticket
// returns the same.
TEST(PrizeOdds, EveryTicketReturnsWithinTheRangeOfItsPattern)
{
    std::mt19937 rng(36);
    const auto single = [](int ticket, const PrizeTable& table) {
        NumberSet one;
        one.set(ticket);
        return prizeOdds(one, table).expectedReturn;
    };
    for (int round = 0; round < 6; ++round) {
        const PrizeTable table = randomTable(rng);
        const TicketReturnRange range = ticketReturnRange(table);
        EXPECT_NEAR(single(range.leastTicket, table), range.least, 1e-9);
        EXPECT_NEAR(single(range.mostTicket, table), range.most, 1e-9);
        for (int k = 0; k < 60; ++k) {
            const int ticket = int(rng() % 10000);
            const double expected = single(ticket, table);
            EXPECT_GE(expected, range.least - 1e-9) << ticket;
            EXPECT_LE(expected, range.most + 1e-9) << ticket;
        }
        const bool boxed = std::any_of(table.tiers.begin(), table.tiers.end(),
                                       [](const PrizeTier& t) { return t.match == PrizeMatch::box && t.prize > 0; });
        if (!boxed) {
            EXPECT_TRUE(range.alike()) << "round " << round;
        }
    }
    // The example: 直选 and 后三 pay every ticket alike, 组选 pays by the rearrangements:
    // 0000 has none (1 + 0.9), 1234 has 23 (1 + 0.9 + 0.92).
    const PrizeTable three{"示例",
                           2,
                           "元",
                           {{"直选", PrizeMatch::exact, 0, 10000},
                            {"后三", PrizeMatch::positions, 0b1110, 1000},
                            {"组选", PrizeMatch::box, 0, 400}}};
    const TicketReturnRange example = ticketReturnRange(three);
    EXPECT_DOUBLE_EQ(example.least, 1.9);
    EXPECT_DOUBLE_EQ(example.most, 2.82);
    EXPECT_FALSE(example.alike());
    const PrizeTable straight{
        "直选", 2, "元", {{"直选", PrizeMatch::exact, 0, 10000}, {"后三", PrizeMatch::positions, 0b1110, 1000}}};
    EXPECT_TRUE(ticketReturnRange(straight).alike());
    EXPECT_DOUBLE_EQ(ticketReturnRange(straight).most, 1.9);
}
