#pragma once
// One line of a draws text: is it skipped, which draw does it give, or why none.

#include "engine/DrawsLayout.h"

#include <optional>
#include <string>
#include <string_view>

namespace shrink4 {

enum class LineVerdict {
    Skipped,          // no digit, a comment, or (read by columns) a header
    Drawn,            // label (if any) and number are set
    NoNumber,         // the last digits are neither one group of D nor D single digits
    DigitsAfterLabel, // digits between the label and the number; label is set
    ColumnDigits,     // read by columns: the number's columns hold `found` digits, not D
    NoLabel,          // read by columns: the column holds no digit
};

struct DrawLine {
    LineVerdict verdict = LineVerdict::Skipped;
    std::optional<std::string> label; // ASCII digits, full-width ones converted
    int number = 0;
    int found = 0; // ColumnDigits: the digits the number's columns hold
};

// A line without its line break. Full-width digits (U+FF10..U+FF19 in UTF-8) are digits.
DrawLine readDrawLine(std::string_view line, const DrawsLayout& layout = {});

// The next line of `text` from `at` on, without its break (LF, CR LF or a lone CR), moving
// `at` past it; false past the end.
bool nextTextLine(std::string_view text, std::size_t& at, std::string_view& line);

// Whether the line is read for a draw at all (not Skipped as holding no digit), without
// reading it.
bool givesDrawOrFault(std::string_view line);

} // namespace shrink4
