#include "engine/DrawsLayout.h"

#include "engine/ColumnScan.h"

#include <algorithm>
#include <charconv>

namespace shrink4 {

namespace {

constexpr char kRoleMarks[] = {'-', 'i', 'n'}; // by ColumnRole

std::optional<int> wholeNumber(std::string_view text)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<ColumnRole> roleMarked(char c)
{
    const auto* found = std::find(std::begin(kRoleMarks), std::end(kRoleMarks), c);
    if (found == std::end(kRoleMarks))
        return std::nullopt;
    return ColumnRole(found - std::begin(kRoleMarks));
}

} // namespace

std::optional<std::vector<ColumnRole>> parseColumnRoles(std::string_view text, std::string* error)
{
    std::vector<ColumnRole> roles;
    for (const char c : text) {
        if (c == ',' || c == ' ')
            continue;
        const auto role = roleMarked(c);
        if (!role) {
            *error = "each column is i (the issue), n (part of the number) or - (skipped), as in i,-,n";
            return std::nullopt;
        }
        roles.push_back(*role);
    }
    if (std::count(roles.begin(), roles.end(), ColumnRole::label) > 1) {
        *error = "only one column can be the issue (i)";
        return std::nullopt;
    }
    if (std::count(roles.begin(), roles.end(), ColumnRole::number) == 0) {
        *error = "at least one column must hold the number (n)";
        return std::nullopt;
    }
    return roles;
}

std::string columnRolesText(const std::vector<ColumnRole>& roles)
{
    std::string text;
    for (const ColumnRole role : roles)
        text.append(text.empty() ? "" : ",").push_back(kRoleMarks[std::size_t(role)]);
    return text;
}

std::optional<int> parseDrawDigits(std::string_view text, std::string* error)
{
    const auto digits = wholeNumber(text);
    if (!digits || *digits < kMinDrawDigits || *digits > kMaxDrawDigits) {
        *error = "the number of digits of a draw is a whole number from 4 to 7";
        return std::nullopt;
    }
    return digits;
}

std::optional<int> parseTake(std::string_view text, int digits, std::string* error)
{
    const auto dash = text.find('-');
    const auto from = dash == text.npos ? std::nullopt : wholeNumber(text.substr(0, dash));
    const auto to = dash == text.npos ? std::nullopt : wholeNumber(text.substr(dash + 1));
    if (!from || !to || *to - *from != 3 || *from < 1 || *to > digits) {
        *error = "FROM-TO names four positions in a row among the " + std::to_string(digits)
                 + " digits of a draw, counted from 1 (as 1-4 or 2-5)";
        return std::nullopt;
    }
    return *from - 1;
}

std::string takeText(const DrawsLayout& layout)
{
    return std::to_string(layout.takeFrom() + 1) + "-" + std::to_string(layout.takeFrom() + 4);
}

std::vector<LineColumn> splitColumns(std::string_view line)
{
    std::vector<LineColumn> columns;
    ColumnScan scan(line);
    for (LineColumn column; scan.next(column);)
        columns.push_back(column);
    return columns;
}

} // namespace shrink4
