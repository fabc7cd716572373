#pragma once
// Where a text box's lines wrap into rows on screen. Keeps the first row of every line,
// so a scroll position finds its line by a binary search and an edit re-wraps only the
// lines it touched.

#include "ui/widgets/textbox/CharAdvances.h"
#include "ui/widgets/textbox/TextLines.h"

#include <vector>

namespace shrink4 {

struct RowSpan {
    int start = 0; // text positions; end excludes the line break
    int end = 0;
};

class RowLayout {
public:
    // width <= 0: lines never wrap.
    void rebuild(const TextLines& lines, const CharAdvances& advances, qreal width);
    void update(const TextLines& lines, const CharAdvances& advances, TextLines::Change change);

    qreal width() const { return m_width; }
    int rowCount() const { return m_firstRow.back(); }
    int firstRowOf(int line) const { return m_firstRow[std::size_t(line)]; }
    int rowsOf(int line) const { return firstRowOf(line + 1) - firstRowOf(line); }
    int lineOfRow(int row) const;
    RowSpan row(const TextLines& lines, const CharAdvances& advances, int row) const;
    // The row that shows `position`; at a wrap point the position starts the later row.
    int rowOf(const TextLines& lines, const CharAdvances& advances, int position) const;

private:
    // Rows of a line: most lines of a list fit one row, tested without wrapping. A line
    // that wraps keeps its row starts for the paint that follows.
    int rowsNeeded(const TextLines& lines, const CharAdvances& advances, int line) const
    {
        const int from = lines.lineStart(line);
        const int to = lines.lineEnd(line);
        if (m_width <= 0 || advances.fits(lines.text(), from, to, m_width64))
            return 1;
        m_cachedLine = line;
        return wrap(lines.text(), from, to, advances, m_cachedStarts);
    }
    int wrap(const QString& text, int from, int to, const CharAdvances& advances, std::vector<int>& starts) const;
    const std::vector<int>& rowStarts(const TextLines& lines, const CharAdvances& advances, int line) const;

    qreal m_width = 0;
    qint64 m_width64 = 0; // the same in 64ths of a pixel, rounded down
    std::vector<int> m_firstRow{0, 1};

    // The row starts of the last wrapped line asked for: a line of megabytes is wrapped
    // once per paint at most, not once per row.
    mutable int m_cachedLine = -1;
    mutable std::vector<int> m_cachedStarts;
};

} // namespace shrink4
