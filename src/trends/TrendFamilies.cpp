#include "trends/TrendFamilies.h"

#include "core/NumberTables.h"
#include "stages/AcValueStage.h"
#include "stages/DigitShapeStages.h"
#include "stages/SumStages.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace shrink4::trends {

namespace {

// The sums written as the sum box reads them.
constexpr auto kSumTexts = [] {
    std::array<std::array<char, 2>, 37> t{};
    for (int s = 0; s <= 36; ++s)
        t[std::size_t(s)] = {char('0' + s / 10), char('0' + s % 10)};
    return t;
}();
const auto kSumValues = [] {
    std::array<std::string_view, 37> v{};
    for (std::size_t s = 0; s < v.size(); ++s)
        v[s] = std::string_view(kSumTexts[s].data(), 2);
    return v;
}();

const std::array<FamilyInfo, kFamilyCount> kFamilies = {{
    {Family::position, "position", "定位", ControlId::positionDigits, captions::kDigits},
    {Family::digit, "digit", "通杀码", ControlId::universalDigits, captions::kDigits},
    {Family::sumTail, "sum_tail", "和尾", ControlId::sumTails, captions::kDigits},
    {Family::span, "span", "跨度", ControlId::spans, captions::kDigits},
    {Family::sum, "sum", "和值", ControlId::sumValues, kSumValues},
    {Family::ac, "ac", "AC值", ControlId::acValues, captions::kAcValues},
    {Family::bigSmall, "big_small", "大小形态", ControlId::bigSmallShapes, captions::kBigSmall},
    {Family::oddEven, "odd_even", "奇偶形态", ControlId::oddEvenShapes, captions::kOddEven},
    {Family::primeComposite, "prime_composite", "质合形态", ControlId::primeCompositeShapes, captions::kPrimeComposite},
    {Family::road, "road", "012路形态", ControlId::roadShapes, captions::kRoad},
}};

constexpr std::array<Track, kTrackCount> kTracks = {{
    {Family::position, 1},
    {Family::position, 2},
    {Family::position, 3},
    {Family::position, 4},
    {Family::digit, 0},
    {Family::sumTail, 0},
    {Family::span, 0},
    {Family::sum, 0},
    {Family::ac, 0},
    {Family::bigSmall, 0},
    {Family::oddEven, 0},
    {Family::primeComposite, 0},
    {Family::road, 0},
}};

const std::array<int, kTrackCount + 1> kOffsets = [] {
    std::array<int, kTrackCount + 1> o{};
    for (std::size_t t = 0; t < kTracks.size(); ++t)
        o[t + 1] = o[t] + int(kFamilies[std::size_t(kTracks[t].family)].values.size());
    return o;
}();

// Ticks box `value` of a shape family alone and asks its stage what that kills.
NumberSet shapeSet(Family family, int value)
{
    const auto& shapes = kDigitShapeFamilies[std::size_t(family) - std::size_t(Family::bigSmall)];
    std::vector<int> boxes(shapes.captions.size());
    boxes[std::size_t(value)] = 1;
    return digitShapeFailures(shapes, boxes);
}

NumberSet buildValueSet(const Track& track, int value)
{
    switch (track.family) {
    case Family::position:
        return positionDigitSet(track.position - 1, value);
    case Family::digit:
        return containsDigitSet(value);
    case Family::sumTail:
        return sumTailSet(value);
    case Family::span:
        return spanSet(value);
    case Family::sum:
        return sumValueSet(kSumValues[std::size_t(value)]);
    case Family::ac:
        return acValueSet(value + 1);
    default:
        return shapeSet(track.family, value);
    }
}

struct Shown {
    std::array<std::uint8_t, 4> values{};
    std::uint8_t count = 0;
};

struct Tables {
    std::vector<NumberSet> sets; // by value offset
    std::vector<int> counts;     // by value offset: how many numbers each set holds
    std::vector<Shown> shown;    // by track * kNumberCount + number
};

const Tables& tables()
{
    static const Tables built = [] {
        Tables t;
        t.sets.reserve(kAllValueCount);
        t.counts.reserve(kAllValueCount);
        t.shown.resize(std::size_t(kTrackCount) * kNumberCount);
        for (int track = 0; track < kTrackCount; ++track)
            for (int v = 0; v < valueCount(track); ++v) {
                t.sets.push_back(buildValueSet(kTracks[std::size_t(track)], v));
                t.counts.push_back(t.sets.back().count());
                for (int n = 0; n < kNumberCount; ++n)
                    if (t.sets.back().test(n)) {
                        auto& s = t.shown[std::size_t(track) * kNumberCount + std::size_t(n)];
                        s.values[s.count++] = std::uint8_t(v);
                    }
            }
        return t;
    }();
    return built;
}

} // namespace

const FamilyInfo& familyInfo(Family family)
{
    return kFamilies[std::size_t(family)];
}

std::optional<Family> familyNamed(std::string_view name)
{
    const auto it = std::find_if(kFamilies.begin(), kFamilies.end(), [&](const auto& f) { return f.name == name; });
    return it == kFamilies.end() ? std::nullopt : std::optional(it->family);
}

std::span<const Track> tracks()
{
    return kTracks;
}

int trackOf(Family family, int position)
{
    return family == Family::position ? position - 1 : int(family) + 3;
}

int valueOffset(int track)
{
    return kOffsets[std::size_t(track)];
}

int valueCount(int track)
{
    return kOffsets[std::size_t(track) + 1] - kOffsets[std::size_t(track)];
}

const NumberSet& valueSet(int track, int value)
{
    return tables().sets[std::size_t(valueOffset(track) + value)];
}

std::span<const int> shareCounts(int track)
{
    return std::span(tables().counts).subspan(std::size_t(valueOffset(track)), std::size_t(valueCount(track)));
}

double valueShare(int track, int value)
{
    return shareCounts(track)[std::size_t(value)] / double(kNumberCount);
}

std::span<const std::uint8_t> shownValues(int track, int number)
{
    const auto& s = tables().shown[std::size_t(track) * kNumberCount + std::size_t(number)];
    return std::span(s.values.data(), s.count);
}

} // namespace shrink4::trends
