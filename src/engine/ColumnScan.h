#pragma once
// The columns of a line one after another, without keeping them: a draws text is read a
// line at a time, and most lines need only their first few columns.

#include "engine/DrawsLayout.h"

#include <string_view>

namespace shrink4 {

class ColumnScan {
public:
    explicit ColumnScan(std::string_view line);
    // The next column; false past the last.
    bool next(LineColumn& column);

private:
    void skipSpaces();
    LineColumn field();
    void separator();

    std::string_view m_line;
    std::size_t m_at = 0;
    bool m_done = false;
};

// Whether the text holds a letter: Latin, Greek, Cyrillic, CJK, kana, Hangul or a
// full-width Latin one. Digits, punctuation and symbols are no letters.
bool holdsLetter(std::string_view text);

} // namespace shrink4
