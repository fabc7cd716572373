#pragma once
// Every line of a draws text that gives no draw, so that a player can mend them all at
// once instead of learning of one at each try.

#include "engine/Draws.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace shrink4 {

struct BadDrawLine {
    DrawsFault fault = DrawsFault::NoNumber; // any but None and NoDraw
    int line = 0;                            // 1-based
    int firstLine = 0;                       // LabelRedrawn: the line that drew the label first
    std::string label;                       // DigitsAfterLabel, LabelRedrawn
    std::size_t begin = 0;                   // the line's bytes in the text, its break left out
    std::size_t end = 0;
    int found = 0;       // ColumnDigits: the digits the number's columns hold
    LineFinding finding; // NoNumber, DigitsAfterLabel: what the line holds instead
};

struct BadDrawLines {
    std::vector<BadDrawLine> first; // the first ones, in line order
    std::size_t count = 0;          // all of them
};

// The lines readDraws refuses, as it judges them: keeps the first `kept` and counts the
// rest, so a text of millions of bad lines costs no more than `kept` of them.
BadDrawLines findBadDrawLines(std::string_view text, std::size_t kept, const DrawsLayout& layout = {});

} // namespace shrink4
