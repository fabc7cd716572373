#pragma once
// What a refused draw line holds where its draw was looked for, so that a message can name
// it: a five-digit number, a column of other numbers after the draw, digits between the
// issue and the number.

#include "engine/DrawLine.h"

#include <cstddef>
#include <string_view>

namespace shrink4 {

enum class FindingKind {
    none,
    longNumber,    // the last group has more digits than a draw: `digits` of them
    longSingles,   // the line ends in more single digits than a draw: `digits` of them
    columnsAfter,  // a group of a draw's digits stands before other digits, as a column would
    digitsBetween, // digits between the issue and the number
};

struct LineFinding {
    FindingKind kind = FindingKind::none;
    int digits = 0;
    std::size_t begin = 0; // the bytes found, within the line
    std::size_t end = 0;
};

// Why `verdict` (NoNumber or DigitsAfterLabel, read without columns) was given to `line`.
LineFinding findOnBadLine(std::string_view line, LineVerdict verdict, const DrawsLayout& layout = {});

} // namespace shrink4
