#include "SpliceFilter.h"

#include "core/TextScan.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

namespace shrink4 {

namespace {

constexpr int pow10(int n)
{
    int p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// Candidates are walked ten at a time: a prefix (every digit but the last) and the ten
// possible last digits as a 10-bit mask. For each box, the digits of its positions that
// lie in the prefix form its prefix key, and a table maps that key to the last digits the
// box contains: the last digits of its keys when the box covers the last position,
// otherwise all ten or none. A prefix is split in two (hi, lo) so that the prefix key is
// hiPart[hi] + loPart[lo], two look-ups per box.
constexpr int kLoPrefixDigits = 2;
constexpr int kLoPrefixCount = 100;
constexpr std::uint16_t kAllLastDigits = 0x3FF;

// Digit `place` (0 = units) of a number below 100: constant divisors only.
int digitOf(int value, int place)
{
    return place == 0 ? value % 10 : value / 10 % 10;
}

struct BoxLookup {
    std::vector<std::uint16_t> lastDigits; // prefix key -> mask of the contained last digits
    std::vector<std::uint16_t> hiPart;
    std::array<std::uint16_t, kLoPrefixCount> loPart{};
};

BoxLookup makeLookup(const SpliceKeys& keys, std::string_view positions, int targetWidth, int partWidth)
{
    const int prefixDigits = targetWidth - 1;
    const int hiDigits = prefixDigits - kLoPrefixDigits;
    const bool coversLast = positions.back() - '1' == targetWidth - 1;
    const int prefixWidth = coversLast ? partWidth - 1 : partWidth;

    BoxLookup box;
    box.lastDigits.assign(std::size_t(pow10(prefixWidth)), 0);
    for (std::size_t key = 0; key < std::size_t(pow10(partWidth)); ++key) {
        if (!keys[key])
            continue;
        if (coversLast)
            box.lastDigits[key / 10] |= std::uint16_t(1u << (key % 10));
        else
            box.lastDigits[key] = kAllLastDigits;
    }
    box.hiPart.assign(std::size_t(pow10(hiDigits)), 0);
    for (int j = 0; j < prefixWidth; ++j) {
        const int pos = positions[std::size_t(j)] - '1'; // 0 = leftmost digit
        const int weight = pow10(prefixWidth - 1 - j);
        if (pos < hiDigits) {
            const int place = hiDigits - 1 - pos;
            for (std::size_t hi = 0; hi < box.hiPart.size(); ++hi)
                box.hiPart[hi] += std::uint16_t(digitOf(int(hi), place) * weight);
        } else {
            const int place = prefixDigits - 1 - pos;
            for (int lo = 0; lo < kLoPrefixCount; ++lo)
                box.loPart[std::size_t(lo)] += std::uint16_t(digitOf(lo, place) * weight);
        }
    }
    return box;
}

// Set bits of a 10-bit mask, by table: a portable popcount is a library call per mask.
constexpr std::array<std::uint8_t, 1024> kBitCounts = [] {
    std::array<std::uint8_t, 1024> counts{};
    for (std::size_t m = 1; m < counts.size(); ++m)
        counts[m] = std::uint8_t(counts[m >> 1] + (m & 1));
    return counts;
}();

int bitCount10(std::uint16_t mask)
{
    return kBitCounts[mask & kAllLastDigits];
}

template <int Width>
SpliceKeys keysOfWidth(std::string_view text)
{
    constexpr int kModulus = pow10(Width);
    SpliceKeys keys;
    int run = 0;   // digits ending at the current character
    int value = 0; // the last Width of them
    for (char c : text) {
        if (!isDigit(c)) {
            run = 0;
            continue;
        }
        value = (value * 10 + (c - '0')) % kModulus;
        if (++run >= Width)
            keys[std::size_t(value)] = true;
    }
    return keys;
}

} // namespace

SpliceKeys spliceKeys(std::string_view text, int width)
{
    switch (width) {
    case 1:
        return keysOfWidth<1>(text);
    case 2:
        return keysOfWidth<2>(text);
    case 3:
        return keysOfWidth<3>(text);
    default:
        return keysOfWidth<4>(text);
    }
}

std::optional<SpliceResult> runSplice(const SplicePage& page, std::span<const std::string_view> boxTexts,
                                      SpliceMode mode)
{
    const auto positions = page.boxPositions();
    const std::size_t boxes = std::min(boxTexts.size(), positions.size());

    std::vector<SpliceKeys> keys;
    std::vector<std::size_t> filled;
    keys.reserve(boxes);
    for (std::size_t k = 0; k < boxes; ++k) {
        const auto text = trimWhitespace(boxTexts[k]);
        if (text.empty())
            continue;
        keys.push_back(spliceKeys(text, page.partWidth));
        filled.push_back(k);
    }
    if (filled.empty())
        return std::nullopt;

    std::vector<BoxLookup> lookups;
    lookups.reserve(filled.size());
    for (std::size_t f = 0; f < filled.size(); ++f)
        lookups.push_back(makeLookup(keys[f], positions[filled[f]], page.targetWidth, page.partWidth));

    // Keep: every filled box must contain the candidate; delete: none may.
    const std::uint16_t flip = mode == SpliceMode::Keep ? 0 : kAllLastDigits;
    const int prefixDigits = page.targetWidth - 1;
    const int prefixCount = pow10(prefixDigits);
    const int hiCount = prefixCount / kLoPrefixCount;
    // Row by row (one row = the 100 prefixes sharing their leading digits), box by box
    // inside a row, leaving the row as soon as no candidate in it is left.
    std::vector<std::uint16_t> kept(static_cast<std::size_t>(prefixCount), kAllLastDigits);
    for (int hi = 0; hi < hiCount; ++hi) {
        std::uint16_t* row = kept.data() + std::size_t(hi) * kLoPrefixCount;
        for (const auto& box : lookups) {
            const std::uint16_t* table = box.lastDigits.data() + box.hiPart[std::size_t(hi)];
            std::uint16_t alive = 0;
            for (int lo = 0; lo < kLoPrefixCount; ++lo) {
                row[lo] &= std::uint16_t(table[box.loPart[std::size_t(lo)]] ^ flip);
                alive |= row[lo];
            }
            if (alive == 0)
                break;
        }
    }
    int count = 0;
    for (auto mask : kept)
        count += bitCount10(mask);

    // Gathered first, joined once: each kept number and a space, the last space dropped.
    SpliceResult result;
    result.count = count;
    if (count == 0)
        return result;
    const int width = page.targetWidth;
    result.text.resize(std::size_t(count) * std::size_t(width + 1));
    char* out = result.text.data();
    std::array<char, kSpliceMaxTargetWidth + 1> number{};
    number[std::size_t(width)] = ' ';
    for (int prefix = 0; prefix < prefixCount; ++prefix) {
        unsigned mask = kept[std::size_t(prefix)];
        if (mask == 0)
            continue;
        writeDigits(number.data(), prefix, prefixDigits);
        for (; mask != 0; mask &= mask - 1) {
            number[std::size_t(prefixDigits)] = char('0' + std::countr_zero(mask));
            std::memcpy(out, number.data(), std::size_t(width) + 1);
            out += width + 1;
        }
    }
    result.text.pop_back();
    return result;
}

int digitGroupCount(std::string_view normalized)
{
    if (normalized.empty())
        return 0;
    return int(std::count(normalized.begin(), normalized.end(), ' ')) + 1;
}

} // namespace shrink4
