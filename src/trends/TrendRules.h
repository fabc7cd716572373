#pragma once
// Rules that pick values from the figures (the K coldest or hottest of a family), and the
// picked values applied to a condition state as ticked boxes or sums.

#include "conditions/ConditionTable.h"
#include "trends/TrendFamilies.h"

#include <cstdint>
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
    int count = 1;    // K; for the position family, K at each position it covers
    int position = 0; // the position family: 1..4 for that position alone, 0 for all four
    friend bool operator==(const Rule&, const Rule&) = default;
};

// "FAMILY:cold:K" or "FAMILY:hot:K", FAMILY a family's name or position1 .. position4. On
// failure error says why, in English.
std::optional<Rule> parseRule(std::string_view text, std::string* error);
std::string ruleText(const Rule& rule);
// The rule of K values in one track: a position's track gives that position alone.
Rule trackRule(int track, Leaning leaning, int count);
// What a rule picks from, as the window names it: 定位 (each position), 千位 .. 个位, or the
// family's caption.
std::string_view ruleCaption(const Rule& rule);

// One track's figures over a window of `draws` draws, as the rules weigh them.
struct TrackCounts {
    int draws = 0;
    std::span<const int> hits;
    std::span<const int> current;
    std::span<const int> shares; // how many of 0000..9999 show each value (its share times 10000)
};

// The values a rule picks in one track, in the family's order.
struct TrackPick {
    int track = 0;
    std::vector<int> values;
    friend bool operator==(const TrackPick&, const TrackPick&) = default;
};

// Each value measured against its share, compared exactly as integers. Cold: the largest
// current x share first (the shows its current omission missed), ties to fewer hits, then to
// the earlier value. Hot: the largest hits - draws x share first (how far it came above its
// expectation), ties to smaller current, then to the earlier value. Within a track whose
// values share alike this is the largest current, or the most hits.
std::vector<int> pickTrack(Leaning leaning, int count, const TrackCounts& figures);

// The picks of a rule in each track it covers, given each track's counts.
template <class CountsOf>
std::vector<TrackPick> pickRule(const Rule& rule, CountsOf&& countsOf)
{
    std::vector<TrackPick> picks;
    for (int track = 0; track < kTrackCount; ++track) {
        const auto& t = tracks()[std::size_t(track)];
        if (t.family == rule.family && (rule.position == 0 || t.position == rule.position))
            picks.push_back({track, pickTrack(rule.leaning, rule.count, countsOf(track))});
    }
    return picks;
}

// Ticks the boxes the picked values feed (a greyed box too) and leaves every other box as it
// is; picked sums are written as two-digit texts joined by ".", replacing an empty sum box
// or appended after a "." to the sums it holds.
void applyPicks(ConditionInputs& inputs, std::span<const TrackPick> picks);

} // namespace shrink4::trends
