#pragma once
// One line of a draws text: is it skipped, which draw does it give, or why none.

#include <optional>
#include <string>
#include <string_view>

namespace shrink4 {

enum class LineVerdict {
    Skipped,          // no digit, or a comment
    Drawn,            // label (if any) and number are set
    NoNumber,         // the last digits are neither one group of four nor four single digits
    DigitsAfterLabel, // digits between the label and the number; label is set
};

struct DrawLine {
    LineVerdict verdict = LineVerdict::Skipped;
    std::optional<std::string> label; // ASCII digits, full-width ones converted
    int number = 0;
};

// A line without its line break. Full-width digits (U+FF10..U+FF19 in UTF-8) are digits.
DrawLine readDrawLine(std::string_view line);

// The next line of `text` from `at` on, without its break (LF, CR LF or a lone CR), moving
// `at` past it; false past the end.
bool nextTextLine(std::string_view text, std::size_t& at, std::string_view& line);

// Whether the line is read for a draw at all (not Skipped), without reading it.
bool givesDrawOrFault(std::string_view line);

} // namespace shrink4
