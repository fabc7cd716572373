#pragma once
// Rules that pick values from the figures (the K coldest or hottest of a family), and the
// picked values applied to a condition state as ticked boxes or sums.

#include "conditions/ConditionTable.h"
#include "trends/TrendFamilies.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace shrink4::trends {

enum class Leaning : std::uint8_t { cold, hot };

struct Rule {
    Family family = Family::position;
    Leaning leaning = Leaning::cold;
    int count = 1; // K; for the position family, K at each position
    friend bool operator==(const Rule&, const Rule&) = default;
};

// "FAMILY:cold:K" or "FAMILY:hot:K". On failure error says why, in English.
std::optional<Rule> parseRule(std::string_view text, std::string* error);
std::string ruleText(const Rule& rule);

// The values a rule picks in one track, in the family's order.
struct TrackPick {
    int track = 0;
    std::vector<int> values;
    friend bool operator==(const TrackPick&, const TrackPick&) = default;
};

// Cold: largest current first, ties to fewer hits, then to the earlier value. Hot: most
// hits first, ties to smaller current, then to the earlier value.
std::vector<int> pickTrack(Leaning leaning, int count, std::span<const int> hits, std::span<const int> current);

// The picks of a rule in each of its tracks, given each track's hits and current omission.
template <class FiguresOf>
std::vector<TrackPick> pickRule(const Rule& rule, FiguresOf&& figuresOf)
{
    std::vector<TrackPick> picks;
    for (int track = 0; track < kTrackCount; ++track)
        if (tracks()[std::size_t(track)].family == rule.family) {
            const auto [hits, current] = figuresOf(track);
            picks.push_back({track, pickTrack(rule.leaning, rule.count, hits, current)});
        }
    return picks;
}

// Ticks the boxes the picked values feed (a greyed box too) and leaves every other box as it
// is; picked sums are written as two-digit texts joined by ".", replacing an empty sum box
// or appended after a "." to the sums it holds.
void applyPicks(ConditionInputs& inputs, std::span<const TrackPick> picks);

} // namespace shrink4::trends
