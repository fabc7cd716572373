#include "RowLayout.h"

#include "ui/widgets/textbox/IndexSplice.h"

#include <algorithm>
#include <cmath>

namespace shrink4 {

namespace {

bool isBreakSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == QChar::LineSeparator;
}

} // namespace

// Wraps text[from, to) as Qt's text boxes do by default: at a space when a word would
// cross the edge, inside the word when it alone is wider than a row. Spaces may hang
// past the edge. Asked only of lines too wide for one row. Returns the number of rows;
// `starts` receives each row's start. Widths add up as integer 64ths of a pixel, as in
// the quick fit test: a line of megabytes wraps at the pace of integer additions.
int RowLayout::wrap(const QString& text, int from, int to, const CharAdvances& advances, std::vector<int>& starts) const
{
    starts.assign(1, from);
    int rowStart = from;
    int afterSpace = -1; // where the row may break: just after the last space
    qint64 x = 0;
    qint64 xAfterSpace = 0;
    for (int i = from; i < to; ++i) {
        const QChar c = text[i];
        const qint64 a = advances.advance64(text, i);
        if (x + a > m_width64 && i > rowStart && !isBreakSpace(c) && !c.isLowSurrogate()) {
            if (afterSpace > rowStart) {
                rowStart = afterSpace;
                x -= xAfterSpace;
                starts.push_back(rowStart);
            }
            // A word that does not fit even a row of its own breaks where it is.
            if (x + a > m_width64 && i > rowStart) {
                rowStart = i;
                x = 0;
                starts.push_back(rowStart);
            }
            afterSpace = -1;
        }
        x += a;
        if (isBreakSpace(c)) {
            afterSpace = i + 1;
            xAfterSpace = x;
        }
    }
    return int(starts.size());
}

void RowLayout::rebuild(const TextLines& lines, const CharAdvances& advances, qreal width)
{
    m_width = width;
    m_width64 = qint64(std::floor(width * 64));
    m_cachedLine = -1;
    const int n = lines.lineCount();
    m_firstRow.resize(std::size_t(n) + 1);
    m_firstRow[0] = 0;
    for (int line = 0; line < n; ++line)
        m_firstRow[std::size_t(line) + 1] = m_firstRow[std::size_t(line)] + rowsNeeded(lines, advances, line);
}

void RowLayout::update(const TextLines& lines, const CharAdvances& advances, TextLines::Change change)
{
    m_cachedLine = -1;
    const auto first = std::size_t(change.firstLine);
    const int oldRows = m_firstRow[first + std::size_t(change.removedLines)] - m_firstRow[first];
    std::vector<int> inserted;
    inserted.reserve(std::size_t(change.insertedLines));
    int row = m_firstRow[first];
    for (int k = 0; k < change.insertedLines; ++k) {
        const int line = change.firstLine + k;
        row += rowsNeeded(lines, advances, line);
        inserted.push_back(row);
    }
    spliceIndex(m_firstRow, first + 1, first + std::size_t(change.removedLines) + 1, inserted,
                (row - m_firstRow[first]) - oldRows);
}

int RowLayout::lineOfRow(int row) const
{
    const auto it = std::upper_bound(m_firstRow.begin(), m_firstRow.end(), row);
    return std::clamp(int(it - m_firstRow.begin()) - 1, 0, int(m_firstRow.size()) - 2);
}

const std::vector<int>& RowLayout::rowStarts(const TextLines& lines, const CharAdvances& advances, int line) const
{
    if (m_cachedLine != line) {
        wrap(lines.text(), lines.lineStart(line), lines.lineEnd(line), advances, m_cachedStarts);
        m_cachedLine = line;
    }
    return m_cachedStarts;
}

RowSpan RowLayout::row(const TextLines& lines, const CharAdvances& advances, int row) const
{
    const int line = lineOfRow(row);
    const int end = lines.lineEnd(line);
    if (rowsOf(line) == 1)
        return {lines.lineStart(line), end};
    const std::vector<int>& starts = rowStarts(lines, advances, line);
    const auto k = std::size_t(row - firstRowOf(line));
    return {starts[k], k + 1 < starts.size() ? starts[k + 1] : end};
}

int RowLayout::rowOf(const TextLines& lines, const CharAdvances& advances, int position) const
{
    const int line = lines.lineOf(position);
    if (rowsOf(line) == 1)
        return firstRowOf(line);
    const std::vector<int>& starts = rowStarts(lines, advances, line);
    const auto k = std::upper_bound(starts.begin(), starts.end(), position) - starts.begin() - 1;
    return firstRowOf(line) + int(k);
}

} // namespace shrink4
