#include "engine/DrawLine.h"

#include "engine/ColumnScan.h"
#include "engine/LineDates.h"
#include "engine/LineDigits.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace shrink4 {

namespace {

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
    for (std::size_t width; (width = digitWidth(line, group.end)) != 0; group.end += width)
        ++group.digits;
    return true;
}

// What the draw depends on: the last groups of the line (enough for the longest number
// of single digits) and its first long one. Kept as the line is scanned, so a line of any
// length costs no memory.
struct LineGroups {
    std::array<DigitGroup, kMaxDrawDigits> last{}; // a ring, by count
    std::size_t count = 0;
    std::optional<std::size_t> longAt; // the first group of five or more digits
    DigitGroup longGroup;

    void add(const DigitGroup& g)
    {
        if (!longAt && g.digits >= 5) {
            longAt = count;
            longGroup = g;
        }
        last[count++ % last.size()] = g;
    }
    const DigitGroup& fromEnd(std::size_t k) const { return last[(count - 1 - k) % last.size()]; }
};

// How many of the last groups are the number: one group of D digits, or D single digits;
// 0 for neither.
std::size_t numberGroups(const LineGroups& g, std::size_t digits)
{
    if (g.fromEnd(0).digits == digits)
        return 1;
    if (g.count < digits)
        return 0;
    for (std::size_t k = 0; k < digits; ++k)
        if (g.fromEnd(k).digits != 1)
            return 0;
    return digits;
}

void appendDigits(std::string_view text, std::string& out)
{
    for (std::size_t at = 0, width; at < text.size(); at += width == 0 ? 1 : width)
        if ((width = digitWidth(text, at)) != 0)
            out += asciiDigit(text, at);
}

void appendGroup(std::string_view line, const DigitGroup& g, std::string& out)
{
    appendDigits(line.substr(g.begin, g.end - g.begin), out);
}

// The four digits the layout takes of the draw's D digits.
int numberTaken(std::string_view digits, const DrawsLayout& layout)
{
    int value = 0;
    for (const char c : digits.substr(std::size_t(layout.takeFrom()), 4))
        value = value * 10 + (c - '0');
    return value;
}

DrawLine readByDigits(std::string_view line, const DrawsLayout& layout)
{
    LineGroups groups;
    for (DigitGroup g; nextGroup(line, groups.count ? groups.fromEnd(0).end : 0, g);)
        groups.add(g);
    if (groups.count == 0)
        return {};
    const std::size_t numberSize = numberGroups(groups, std::size_t(layout.digits));
    if (numberSize == 0)
        return {LineVerdict::NoNumber, std::nullopt, 0, 0};
    std::string digits;
    for (std::size_t k = numberSize; k-- > 0;)
        appendGroup(line, groups.fromEnd(k), digits);
    DrawLine draw{LineVerdict::Drawn, std::nullopt, numberTaken(digits, layout), 0};
    const std::size_t before = groups.count - numberSize; // groups before the number
    if (groups.longAt && *groups.longAt < before) {
        appendGroup(line, groups.longGroup, draw.label.emplace());
        if (*groups.longAt + 1 < before)
            draw.verdict = LineVerdict::DigitsAfterLabel;
    }
    return draw;
}

DrawLine readByColumns(std::string_view line, const DrawsLayout& layout)
{
    std::string digits, label;
    bool letter = false;
    ColumnScan scan(line);
    LineColumn column;
    for (const ColumnRole role : layout.columns) {
        const std::string_view text = scan.next(column) ? line.substr(column.begin, column.end - column.begin) : "";
        if (role == ColumnRole::number) {
            appendDigits(text, digits);
            letter = letter || holdsLetter(text);
        } else if (role == ColumnRole::label) {
            appendDigits(text, label);
        }
    }
    if (letter || digits.empty()) // a header
        return {};
    if (digits.size() != std::size_t(layout.digits))
        return {LineVerdict::ColumnDigits, std::nullopt, 0, int(digits.size())};
    const bool labelled =
        std::find(layout.columns.begin(), layout.columns.end(), ColumnRole::label) != layout.columns.end();
    if (labelled && label.empty())
        return {LineVerdict::NoLabel, std::nullopt, 0, 0};
    DrawLine draw{LineVerdict::Drawn, std::nullopt, numberTaken(digits, layout), 0};
    if (labelled)
        draw.label = std::move(label);
    return draw;
}

} // namespace

bool nextTextLine(std::string_view text, std::size_t& at, std::string_view& line)
{
    if (at > text.size())
        return false;
    // A plain loop: find_first_of asks memchr about the two breaks once for every byte.
    std::size_t end = at;
    while (end < text.size() && text[end] != '\n' && text[end] != '\r')
        ++end;
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

DrawLine readDrawLine(std::string_view line, const DrawsLayout& layout)
{
    if (line.starts_with('#'))
        return {};
    if (!layout.columns.empty()) // a date in a column is what its role says it is
        return readByColumns(line, layout);
    thread_local std::string scratch;
    return readByDigits(withoutDatesAndTimes(line, scratch), layout);
}

} // namespace shrink4
