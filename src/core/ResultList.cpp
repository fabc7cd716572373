#include "ResultList.h"

#include "TextScan.h"

#include <algorithm>
#include <array>
#include <cstring>


namespace shrink4 {

namespace {

// "0000  " .. "9999  ": every list item, made once.
const std::array<std::array<char, 6>, kNumberCount>& listItems()
{
    static const auto items = [] {
        std::array<std::array<char, 6>, kNumberCount> t{};
        for (int v = 0; v < kNumberCount; ++v) {
            const auto text = numberText(v);
            std::memcpy(t[std::size_t(v)].data(), text.data(), 4);
            t[std::size_t(v)][4] = t[std::size_t(v)][5] = ' ';
        }
        return t;
    }();
    return items;
}

} // namespace

ResultList buildResultList(const NumberSet& listed)
{
    // Up to 10,000 numbers: write the text in place, then cut the lines from it.
    constexpr std::size_t kItem = 6; // four digits and two spaces
    ResultList r;
    r.count = listed.count();
    r.numbers.resize(std::size_t(r.count));
    r.resultText.resize(std::size_t(r.count) * kItem);
    char* out = r.resultText.data();
    int* number = r.numbers.data();
    const auto& items = listItems();
    listed.forEach([&](int v) {
        *number++ = v;
        std::memcpy(out, items[std::size_t(v)].data(), kItem);
        out += kItem;
    });
    r.lines.reserve(std::size_t(r.count + 1) / 2);
    const char* text = r.resultText.data();
    for (std::size_t at = 0; at < r.resultText.size(); at += 2 * kItem)
        r.lines.emplace_back(text + at, std::min(2 * kItem, r.resultText.size() - at));
    r.prizeCheckText = r.resultText;
    if (trimSpaces(r.prizeCheckText).empty())
        r.prizeCheckText = kNoResultMessage;
    return r;
}

} // namespace shrink4
