#include "engine/DrawLine.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace shrink4 {

namespace {

// The bytes of the digit at `at`: 1 for 0-9, 3 for a full-width digit, 0 for no digit.
std::size_t digitWidth(std::string_view s, std::size_t at)
{
    if (s[at] >= '0' && s[at] <= '9')
        return 1;
    const auto third = at + 2 < s.size() ? static_cast<unsigned char>(s[at + 2]) : 0u;
    return s.substr(at, 2) == "\xEF\xBC" && third >= 0x90 && third <= 0x99 ? 3 : 0;
}

char asciiDigit(std::string_view s, std::size_t at)
{
    return digitWidth(s, at) == 1 ? s[at] : char('0' + (static_cast<unsigned char>(s[at + 2]) - 0x90));
}

// A maximal run of digits: its bytes in the line and how many digits it holds.
struct DigitGroup {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t digits = 0;
};

// The first group at or after `from`; false when there is none.
bool nextGroup(std::string_view line, std::size_t from, DigitGroup& group)
{
    while (from < line.size() && digitWidth(line, from) == 0)
        ++from;
    if (from == line.size())
        return false;
    group = {from, from, 0};
    for (std::size_t width; group.end < line.size() && (width = digitWidth(line, group.end)) != 0; group.end += width)
        ++group.digits;
    return true;
}

// What the draw depends on: the last four groups of the line and its first long one.
// Kept as the line is scanned, so a line of any length costs no memory.
struct LineGroups {
    std::array<DigitGroup, 4> last{}; // a ring, by count
    std::size_t count = 0;
    std::optional<std::size_t> longAt; // the first group of five or more digits
    DigitGroup longGroup;

    void add(const DigitGroup& g)
    {
        if (!longAt && g.digits >= 5) {
            longAt = count;
            longGroup = g;
        }
        last[count++ % 4] = g;
    }
    const DigitGroup& fromEnd(std::size_t k) const { return last[(count - 1 - k) % 4]; }
};

// How many of the last groups are the number: one group of four, or four single digits;
// 0 for neither.
std::size_t numberGroups(const LineGroups& g)
{
    if (g.fromEnd(0).digits == 4)
        return 1;
    if (g.count < 4)
        return 0;
    for (std::size_t k = 0; k < 4; ++k)
        if (g.fromEnd(k).digits != 1)
            return 0;
    return 4;
}

void appendDigits(std::string_view line, const DigitGroup& g, std::string& out)
{
    for (std::size_t at = g.begin; at < g.end; at += digitWidth(line, at))
        out += asciiDigit(line, at);
}

int numberOf(std::string_view line, const LineGroups& g, std::size_t groups)
{
    std::string digits;
    for (std::size_t k = groups; k-- > 0;)
        appendDigits(line, g.fromEnd(k), digits);
    int value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

} // namespace

bool nextTextLine(std::string_view text, std::size_t& at, std::string_view& line)
{
    if (at > text.size())
        return false;
    const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
    line = text.substr(at, end - at);
    at = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    return true;
}

bool givesDrawOrFault(std::string_view line)
{
    if (line.starts_with('#'))
        return false;
    for (std::size_t at = 0; at < line.size(); ++at)
        if (digitWidth(line, at) != 0)
            return true;
    return false;
}

DrawLine readDrawLine(std::string_view line)
{
    if (line.starts_with('#'))
        return {};
    LineGroups groups;
    for (DigitGroup g; nextGroup(line, groups.count ? groups.fromEnd(0).end : 0, g);)
        groups.add(g);
    if (groups.count == 0)
        return {};
    const std::size_t numberSize = numberGroups(groups);
    if (numberSize == 0)
        return {LineVerdict::NoNumber, std::nullopt, 0};
    DrawLine draw{LineVerdict::Drawn, std::nullopt, numberOf(line, groups, numberSize)};
    if (groups.longAt) {
        appendDigits(line, groups.longGroup, draw.label.emplace());
        if (*groups.longAt + 1 < groups.count - numberSize)
            draw.verdict = LineVerdict::DigitsAfterLabel;
    }
    return draw;
}

} // namespace shrink4
