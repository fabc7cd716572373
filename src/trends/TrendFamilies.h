#pragma once
// The values a past draw shows, grouped in families that each feed one condition: a value
// is shown exactly when the number lies in the set its box kills, so the figures speak of
// the very boxes a player would tick.

#include "conditions/ConditionTable.h"
#include "core/NumberSet.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace shrink4::trends {

enum class Family : std::uint8_t {
    position,
    digit,
    sumTail,
    span,
    sum,
    ac,
    bigSmall,
    oddEven,
    primeComposite,
    road,
};
inline constexpr int kFamilyCount = 10;

struct FamilyInfo {
    Family family;
    std::string_view name;    // on the command line and in JSON
    std::string_view caption; // in the window
    ControlId feeds;
    std::span<const std::string_view> values; // in the family's order
};

const FamilyInfo& familyInfo(Family family);
std::optional<Family> familyNamed(std::string_view name);

// One list of values: the position family has four (positions 1..4), the others one each.
struct Track {
    Family family;
    int position; // 1..4 for the position family, 0 otherwise
};
inline constexpr int kTrackCount = 13;

// Every track in the order families are listed.
std::span<const Track> tracks();
int trackOf(Family family, int position = 0);
// Index of a track's first value among the values of every track, laid end to end.
int valueOffset(int track);
int valueCount(int track);
inline constexpr int kAllValueCount = 4 * 10 + 10 + 10 + 10 + 37 + 6 + 16 * 3 + 81;

// The numbers that show value v of a track: those its box kills.
const NumberSet& valueSet(int track, int value);
// How many of 0000..9999 show it, for every value of a track: its share is that over 10000.
std::span<const int> shareCounts(int track);
// Fraction of 0000..9999 that shows it.
double valueShare(int track, int value);
// The values of a track that a number shows, in the family's order (several only for digit).
std::span<const std::uint8_t> shownValues(int track, int number);

} // namespace shrink4::trends
