#pragma once
// Past draws read from text, one a line, in time order. Lines end at LF, CR LF or a lone
// CR, and full-width digits are digits, so text pasted into a box reads as a file does.

#include "engine/BadLineFinding.h"
#include "engine/DrawsLayout.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace shrink4 {

struct Draw {
    std::optional<std::string> label; // the issue number, when the line has one
    int number = 0;
    int line = 0; // 1-based, for messages
};

enum class DrawsFault {
    None,
    NoDraw,           // not one line gives a draw
    NoNumber,         // `line` has digits but no draw at its end
    DigitsAfterLabel, // `line` has digits between its `label` and its number: two draws run
                      // together, or a number of more than four single digits
    LabelRedrawn,     // `line` repeats the label of `firstLine` with another number
    ColumnDigits,     // read by columns: the number's columns of `line` hold `found` digits
    NoLabel,          // read by columns: the column of `line` holds no digit
};

struct DrawsReading {
    std::vector<Draw> draws; // oldest first; empty when error is set
    std::string error;       // one line, naming the line number where there is one
    // The same fault in parts, for messages in other words.
    DrawsFault fault = DrawsFault::None;
    int line = 0;
    int firstLine = 0;
    std::string label;
    int found = 0;       // ColumnDigits
    LineFinding finding; // NoNumber, DigitsAfterLabel: what the line holds instead
};

DrawsReading readDraws(std::string_view text, const DrawsLayout& layout = {});

} // namespace shrink4
