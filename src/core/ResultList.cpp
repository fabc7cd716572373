#include "ResultList.h"

#include "TextScan.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace shrink4 {

namespace {

constexpr std::size_t kItem = 6; // four digits and two spaces
constexpr std::size_t kLine = 2 * kItem;

// "0000  " .. "9999  " with two more spaces: every list item, made once, written as one
// eight-byte word whose last two bytes the next item overwrites.
const std::array<std::uint64_t, kNumberCount>& listItems()
{
    static const auto items = [] {
        std::array<std::uint64_t, kNumberCount> t{};
        for (int v = 0; v < kNumberCount; ++v) {
            char item[8] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
            writeDigits(item, v, 4);
            std::memcpy(&t[std::size_t(v)], item, sizeof item);
        }
        return t;
    }();
    return items;
}

// Lines of two items; a line of known length is copied in two moves.
void cutLines(ResultList& r)
{
    const char* text = r.resultText.data();
    const std::size_t full = r.resultText.size() / kLine, rest = r.resultText.size() % kLine;
    r.lines.reserve(full + (rest ? 1 : 0));
    for (std::size_t k = 0; k < full; ++k)
        r.lines.emplace_back(text + k * kLine, kLine);
    if (rest)
        r.lines.emplace_back(text + full * kLine, rest);
}

} // namespace

ResultList buildResultList(const NumberSet& listed)
{
    // Up to 10,000 numbers: write the text in place, then cut the lines from it.
    ResultList r;
    r.count = listed.count();
    r.numbers.resize(std::size_t(r.count));
    const std::size_t size = std::size_t(r.count) * kItem;
    r.resultText.resize(size + 2); // room for the spaces the last word writes
    char* out = r.resultText.data();
    int* number = r.numbers.data();
    const auto& items = listItems();
    listed.forEach([&](int v) {
        *number++ = v;
        std::memcpy(out, &items[std::size_t(v)], sizeof items[0]);
        out += kItem;
    });
    r.resultText.resize(size);
    cutLines(r);
    r.prizeCheckText = r.resultText;
    if (trimSpaces(r.prizeCheckText).empty())
        r.prizeCheckText = kNoResultMessage;
    return r;
}

} // namespace shrink4
