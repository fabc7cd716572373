#include "SpliceFilter.h"

#include "engine/TextScan.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace shrink4 {

namespace {

bool isDigit(char c) { return unsigned(c - '0') < 10u; }

constexpr int pow10(int n)
{
    int p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// A candidate is split into its leading digits (hi) and its last three digits (lo), so
// that the key of a box is hiPart[hi] + loPart[lo], two table look-ups per box.
constexpr int kLowDigits = 3;
constexpr int kLowCount = 1000;

struct BoxLookup {
    const SpliceKeys* keys;
    std::vector<std::uint16_t> hiPart;
    std::array<std::uint16_t, kLowCount> loPart;
};

BoxLookup makeLookup(const SpliceKeys& keys, std::string_view positions, int targetWidth)
{
    const int hiDigits = targetWidth - kLowDigits;
    BoxLookup box{&keys, std::vector<std::uint16_t>(std::size_t(pow10(hiDigits)), 0), {}};
    const int width = int(positions.size());
    for (int j = 0; j < width; ++j) {
        const int pos = positions[std::size_t(j)] - '1'; // 0 = leftmost digit
        const int weight = pow10(width - 1 - j);
        if (pos < hiDigits) {
            const int divisor = pow10(hiDigits - 1 - pos);
            for (int hi = 0; hi < int(box.hiPart.size()); ++hi)
                box.hiPart[std::size_t(hi)] += std::uint16_t(hi / divisor % 10 * weight);
        } else {
            const int divisor = pow10(targetWidth - 1 - pos);
            for (int lo = 0; lo < kLowCount; ++lo)
                box.loPart[std::size_t(lo)] += std::uint16_t(lo / divisor % 10 * weight);
        }
    }
    return box;
}

void writeDigits(char* out, int value, int width)
{
    for (int i = width - 1; i >= 0; --i, value /= 10)
        out[i] = char('0' + value % 10);
}

} // namespace

SpliceKeys spliceKeys(std::string_view text, int width)
{
    SpliceKeys keys;
    const int modulus = pow10(width);
    int run = 0;   // digits ending at the current character
    int value = 0; // the last `width` of them
    for (char c : text) {
        if (!isDigit(c)) {
            run = 0;
            continue;
        }
        value = (value * 10 + (c - '0')) % modulus;
        if (++run >= width)
            keys[std::size_t(value)] = true;
    }
    return keys;
}

std::optional<SpliceResult> runSplice(const SplicePage& page,
                                      std::span<const std::string_view> boxTexts,
                                      SpliceMode mode)
{
    const auto positions = page.boxPositions();
    const std::size_t boxes = std::min(boxTexts.size(), positions.size());

    std::vector<SpliceKeys> keys;
    std::vector<std::size_t> filled;
    keys.reserve(boxes);
    for (std::size_t k = 0; k < boxes; ++k) {
        const auto text = trimSpaces(boxTexts[k]);
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
        lookups.push_back(makeLookup(keys[f], positions[filled[f]], page.targetWidth));

    const int width = page.targetWidth;
    const int hiDigits = width - kLowDigits;
    const int hiCount = pow10(hiDigits);
    const bool keep = mode == SpliceMode::Keep;

    SpliceResult result;
    result.text.resize(std::size_t(hiCount) * kLowCount * std::size_t(width + 1));
    char* out = result.text.data();
    std::array<std::uint16_t, kSpliceMaxBoxes> hiKey{};
    std::array<char, 3> loText{};
    std::array<char, 2> hiText{};
    for (int hi = 0; hi < hiCount; ++hi) {
        for (std::size_t f = 0; f < lookups.size(); ++f)
            hiKey[f] = lookups[f].hiPart[std::size_t(hi)];
        writeDigits(hiText.data(), hi, hiDigits);
        for (int lo = 0; lo < kLowCount; ++lo) {
            // Keep: every filled box must contain its key; delete: none may.
            bool kept = true;
            for (std::size_t f = 0; f < lookups.size(); ++f) {
                const auto key = std::size_t(hiKey[f] + lookups[f].loPart[std::size_t(lo)]);
                if ((*lookups[f].keys)[key] != keep) {
                    kept = false;
                    break;
                }
            }
            if (!kept)
                continue;
            writeDigits(loText.data(), lo, kLowDigits);
            std::memcpy(out, hiText.data(), std::size_t(hiDigits));
            std::memcpy(out + hiDigits, loText.data(), kLowDigits);
            out[width] = ' ';
            out += width + 1;
            ++result.count;
        }
    }
    // No trailing separator after the last number.
    result.text.resize(std::size_t(out - result.text.data()) - (result.count > 0 ? 1 : 0));
    return result;
}

std::string NormalizeDigitGroups(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    bool pendingSpace = false;
    for (char c : text) {
        if (!isDigit(c)) {
            pendingSpace = !out.empty();
            continue;
        }
        if (pendingSpace) {
            out += ' ';
            pendingSpace = false;
        }
        out += c;
    }
    return out;
}

int digitGroupCount(std::string_view normalized)
{
    if (normalized.empty())
        return 0;
    return int(std::count(normalized.begin(), normalized.end(), ' ')) + 1;
}

} // namespace shrink4
