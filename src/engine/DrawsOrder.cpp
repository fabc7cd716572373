#include "engine/DrawsOrder.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <tuple>

namespace shrink4 {

namespace {

// Positions of the labelled draws, sorted by label text, file order within a label.
std::vector<std::size_t> byLabelText(const std::vector<Draw>& draws)
{
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < draws.size(); ++i)
        if (draws[i].label)
            order.push_back(i);
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return std::tie(*draws[a].label, a) < std::tie(*draws[b].label, b);
    });
    return order;
}

// Moves the draws not marked to the front, in order, and cuts off the rest.
void eraseMarked(std::vector<Draw>& draws, const std::vector<bool>& marked)
{
    std::size_t kept = 0;
    for (std::size_t i = 0; i < draws.size(); ++i) {
        if (marked[i])
            continue;
        if (kept != i)
            draws[kept] = std::move(draws[i]);
        ++kept;
    }
    draws.resize(kept);
}

// A label's digits without its leading zeros.
std::string_view significant(const std::string& digits)
{
    return std::string_view(digits).substr(std::min(digits.find_first_not_of('0'), digits.size()));
}

// Rearranges the draws so that position k holds the draw that was at order[k], one cycle of
// the permutation at a time, without a second array of draws.
void permute(std::vector<Draw>& draws, std::vector<std::size_t>& order)
{
    for (std::size_t k = 0; k < draws.size(); ++k) {
        if (order[k] == k)
            continue;
        Draw held = std::move(draws[k]);
        std::size_t at = k;
        for (std::size_t from = order[at]; from != k; at = from, from = order[at]) {
            draws[at] = std::move(draws[from]);
            order[at] = at;
        }
        draws[at] = std::move(held);
        order[at] = at;
    }
}

} // namespace

std::optional<RedrawnLabel> dropRepeats(std::vector<Draw>& draws)
{
    const std::vector<std::size_t> order = byLabelText(draws);
    std::vector<bool> repeat(draws.size());
    std::optional<RedrawnLabel> redrawn;
    for (std::size_t i = 1, first = 0; i < order.size(); ++i) {
        const Draw& a = draws[order[first]];
        const Draw& b = draws[order[i]];
        if (*a.label != *b.label)
            first = i;
        else if (a.number == b.number)
            repeat[order[i]] = true;
        else if (!redrawn || b.line < redrawn->line)
            redrawn = RedrawnLabel{*b.label, b.line, a.line};
    }
    if (!redrawn)
        eraseMarked(draws, repeat);
    return redrawn;
}

void sortByLabel(std::vector<Draw>& draws)
{
    std::vector<std::size_t> order(draws.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const std::string_view x = significant(*draws[a].label), y = significant(*draws[b].label);
        return std::tuple(x.size(), x, a) < std::tuple(y.size(), y, b);
    });
    permute(draws, order);
}

} // namespace shrink4
