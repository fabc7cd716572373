#include "engine/PrizeOdds.h"

#include "engine/PrizeDigits.h"

#include <array>

namespace shrink4 {

namespace {

constexpr int kDraws = 10000;
constexpr unsigned kAllPositions = 0xF;

// A condition a ticket meets against a draw: equal on `positions`, and with `box` the same
// digits too. Conditions multiply by meeting both: the box flag and the positions join.
struct Term {
    bool box = false;
    unsigned positions = 0;
    int index() const { return (box && positions != kAllPositions ? 16 : 0) + int(positions); }
};
constexpr int kTerms = 32;

Term termOf(const PrizeTier& tier)
{
    switch (tier.match) {
    case PrizeMatch::exact:
        return {false, kAllPositions};
    case PrizeMatch::positions:
        return {false, tier.positions};
    case PrizeMatch::box:
        break;
    }
    return {true, 0};
}

Term termAt(int index)
{
    return {index >= 16, unsigned(index % 16)};
}

Term product(Term a, Term b)
{
    return {a.box || b.box, a.positions | b.positions};
}

using Coefficients = std::array<long long, kTerms>;

// Tickets that win tier i first: those meeting its term and none of the earlier ones, that
// is term_i × Π (1 − term_j), expanded into a sum of terms.
Coefficients firstWinTerms(const std::vector<PrizeTier>& tiers, std::size_t i)
{
    Coefficients c{};
    c[std::size_t(termOf(tiers[i]).index())] = 1;
    for (std::size_t j = 0; j < i; ++j) {
        Coefficients next = c;
        for (int t = 0; t < kTerms; ++t)
            if (c[std::size_t(t)] != 0)
                next[std::size_t(product(termAt(t), termOf(tiers[j])).index())] -= c[std::size_t(t)];
        c = next;
    }
    return c;
}

// How many tickets meet each term against each draw.
class TermCounts {
public:
    explicit TermCounts(const NumberSet& tickets)
    {
        for (int n = 0; n < kDraws; ++n)
            if (tickets.test(n)) {
                m_tickets.push_back(n);
                m_byDigits[std::size_t(sortedDigits(n))].push_back(n);
            }
    }

    void prepare(int term)
    {
        const Term t = termAt(term);
        if (t.box || !m_projected[std::size_t(term)].empty())
            return;
        auto& counts = m_projected[std::size_t(term)];
        counts.assign(kDraws, 0);
        for (const int n : m_tickets)
            ++counts[std::size_t(projection(n, t.positions))];
    }

    int count(int term, int draw) const
    {
        const Term t = termAt(term);
        if (!t.box)
            return m_projected[std::size_t(term)][std::size_t(projection(draw, t.positions))];
        int n = 0;
        for (const int ticket : m_byDigits[std::size_t(sortedDigits(draw))])
            n += samePositions(ticket, draw, t.positions);
        return n;
    }

    int tickets() const { return int(m_tickets.size()); }

private:
    std::vector<int> m_tickets;
    std::array<std::vector<int>, kDraws> m_byDigits; // tickets by their digits, sorted
    std::array<std::vector<int>, kTerms> m_projected;
};

} // namespace

DrawPayouts drawPayouts(const NumberSet& tickets, const PrizeTable& table)
{
    TermCounts counts(tickets);
    DrawPayouts out;
    out.winners.assign(table.tiers.size(), std::vector<int>(kDraws, 0));
    out.paid.assign(kDraws, 0.0);
    for (std::size_t i = 0; i < table.tiers.size(); ++i) {
        const Coefficients c = firstWinTerms(table.tiers, i);
        for (int t = 0; t < kTerms; ++t)
            if (c[std::size_t(t)] != 0)
                counts.prepare(t);
        auto& winners = out.winners[i];
        for (int d = 0; d < kDraws; ++d) {
            long long n = 0;
            for (int t = 0; t < kTerms; ++t)
                if (c[std::size_t(t)] != 0)
                    n += c[std::size_t(t)] * counts.count(t, d);
            winners[std::size_t(d)] = int(n);
        }
    }
    for (int d = 0; d < kDraws; ++d)
        for (std::size_t i = 0; i < table.tiers.size(); ++i)
            out.paid[std::size_t(d)] += table.tiers[i].prize * out.winners[i][std::size_t(d)];
    return out;
}

PrizeOdds prizeOdds(const NumberSet& tickets, const PrizeTable& table)
{
    const DrawPayouts payouts = drawPayouts(tickets, table);
    PrizeOdds odds;
    odds.tickets = tickets.count();
    odds.cost = odds.tickets * table.price;
    int paying = 0, costBack = 0;
    double total = 0;
    for (const double paid : payouts.paid) {
        total += paid;
        paying += paid > 0;
        costBack += paid >= odds.cost;
    }
    odds.expectedReturn = total / kDraws;
    if (odds.tickets > 0)
        odds.returnRate = odds.expectedReturn / odds.cost;
    odds.anyPrize = double(paying) / kDraws;
    odds.costBack = double(costBack) / kDraws;
    for (std::size_t i = 0; i < table.tiers.size(); ++i) {
        TierOdds tier;
        long long wins = 0;
        for (const int n : payouts.winners[i]) {
            tier.draws += n > 0;
            wins += n;
        }
        tier.expected = table.tiers[i].prize * double(wins) / kDraws;
        odds.tiers.push_back(tier);
    }
    return odds;
}

} // namespace shrink4
