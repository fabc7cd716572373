#include "engine/Draws.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace shrink4 {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The runs of ASCII digits of a line, in order, into groups (reused from line to line).
void digitGroups(std::string_view line, std::vector<std::string_view>& groups)
{
    groups.clear();
    std::size_t i = 0;
    while (i < line.size()) {
        if (!isDigit(line[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < line.size() && isDigit(line[i]))
            ++i;
        groups.push_back(line.substr(start, i - start));
    }
}

int digitsValue(std::string_view digits)
{
    int value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

// The draw a line gives: its last four digits as one group, or as four single digits.
std::optional<Draw> drawOf(const std::vector<std::string_view>& groups)
{
    std::size_t numberStart = 0;
    std::string digits;
    if (groups.back().size() == 4) {
        numberStart = groups.size() - 1;
        digits = groups.back();
    } else if (groups.size() >= 4 && std::all_of(groups.end() - 4, groups.end(), [](auto g) { return g.size() == 1; })) {
        numberStart = groups.size() - 4;
        for (std::size_t i = numberStart; i < groups.size(); ++i)
            digits += groups[i];
    } else {
        return std::nullopt;
    }
    Draw draw;
    draw.number = digitsValue(digits);
    for (std::size_t i = 0; i < numberStart && !draw.label; ++i)
        if (groups[i].size() >= 5)
            draw.label = std::string(groups[i]);
    return draw;
}

// A label's digits without its leading zeros.
std::string_view significant(std::string_view digits)
{
    return digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
}

// Orders labelled draws by label as a number, however long (leading zeros do not count);
// equal labels keep their file order. Sorts views of the labels, then moves each draw once.
void sortByLabel(std::vector<Draw>& draws)
{
    std::vector<std::pair<std::string_view, std::size_t>> order;
    order.reserve(draws.size());
    for (std::size_t i = 0; i < draws.size(); ++i)
        order.emplace_back(significant(*draws[i].label), i);
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) {
        return a.first.size() != b.first.size() ? a.first.size() < b.first.size() : a.first < b.first;
    });
    std::vector<Draw> sorted;
    sorted.reserve(draws.size());
    for (const auto& entry : order)
        sorted.push_back(std::move(draws[entry.second]));
    draws = std::move(sorted);
}

std::string lineError(int line, std::string_view what) { return "line " + std::to_string(line) + ": " + std::string(what); }

DrawsReading fault(DrawsFault kind, std::string error, int line = 0)
{
    DrawsReading r;
    r.error = std::move(error);
    r.fault = kind;
    r.line = line;
    return r;
}

// Drops repeats of a label with the same number; a repeat with another number is an error.
std::optional<DrawsReading> dropRepeats(std::vector<Draw>& draws)
{
    std::unordered_map<std::string_view, const Draw*> seen;
    seen.reserve(draws.size());
    std::vector<Draw> kept;
    kept.reserve(draws.size());
    for (const auto& d : draws) {
        if (!d.label) {
            kept.push_back(d);
            continue;
        }
        const auto [it, fresh] = seen.emplace(*d.label, &d);
        if (fresh) {
            kept.push_back(d);
        } else if (it->second->number != d.number) {
            auto r = fault(DrawsFault::LabelRedrawn,
                           lineError(d.line, "issue " + *d.label + " is already drawn on line " +
                                                 std::to_string(it->second->line) + " with another number"),
                           d.line);
            r.firstLine = it->second->line;
            r.label = *d.label;
            return r;
        }
    }
    draws = std::move(kept);
    return std::nullopt;
}

} // namespace

DrawsReading readDraws(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF")) // a UTF-8 mark from some editors
        text.remove_prefix(3);
    DrawsReading reading;
    std::vector<std::string_view> groups;
    int lineNumber = 0;
    for (std::size_t start = 0; start <= text.size(); ++lineNumber) {
        std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        digitGroups(line, groups);
        if (groups.empty() || line.starts_with('#'))
            continue;
        auto draw = drawOf(groups);
        if (!draw)
            return fault(DrawsFault::NoNumber,
                         lineError(lineNumber + 1, "no draw: the last digits are neither a group of four nor four single digits"),
                         lineNumber + 1);
        draw->line = lineNumber + 1;
        reading.draws.push_back(std::move(*draw));
    }
    if (reading.draws.empty())
        return fault(DrawsFault::NoDraw, "no draw in the text");
    if (auto repeated = dropRepeats(reading.draws))
        return std::move(*repeated);
    if (std::all_of(reading.draws.begin(), reading.draws.end(), [](const Draw& d) { return bool(d.label); }))
        sortByLabel(reading.draws);
    return reading;
}

} // namespace shrink4
