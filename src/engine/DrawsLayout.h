#pragma once
// How to read a draws text whose number is longer than four digits, or whose columns say
// what they hold. The default layout is the automatic reading: the last four digits of a
// line, its first long group of digits the label.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace shrink4 {

enum class ColumnRole : std::uint8_t {
    skip,   // '-'
    label,  // 'i': all the digits of the column, in order
    number, // 'n': its digits, with those of every other 'n' column in order, are the draw
};

inline constexpr int kMinDrawDigits = 4;
inline constexpr int kMaxDrawDigits = 7;

struct DrawsLayout {
    int digits = 4;                  // D, the digits of a line's number
    int take = -1;                   // 0-based first of the four digits taken; -1: the last four
    std::vector<ColumnRole> columns; // none: the number is the line's last D digits

    int takeFrom() const { return take < 0 ? digits - 4 : take; }
    bool automatic() const { return digits == 4 && takeFrom() == 0 && columns.empty(); }
    friend bool operator==(const DrawsLayout&, const DrawsLayout&) = default;
};

// "i,-,n" (also without commas: "i-n"): at most one 'i', at least one 'n'. On failure
// *error says why, in English.
std::optional<std::vector<ColumnRole>> parseColumnRoles(std::string_view text, std::string* error);
std::string columnRolesText(const std::vector<ColumnRole>& roles); // "i,-,n"

// A whole number from 4 to 7.
std::optional<int> parseDrawDigits(std::string_view text, std::string* error);

// "FROM-TO", 1-based, four positions in a row within `digits`: the 0-based first one.
std::optional<int> parseTake(std::string_view text, int digits, std::string* error);
std::string takeText(const DrawsLayout& layout); // "2-5"

// One column of a line: its bytes, the quotes of a quoted field left out (a doubled quote
// inside stays doubled: only digits and letters are read from a column).
struct LineColumn {
    std::size_t begin = 0;
    std::size_t end = 0;
};

// A line split at tabs, commas, semicolons, '|' or runs of spaces; spaces around another
// separator belong to it, and a field in double quotes is one column whatever it holds.
// Leading and trailing spaces make no column.
std::vector<LineColumn> splitColumns(std::string_view line);

} // namespace shrink4
