// Drawing a text box: only the rows in view, and of a long row only what is in view.

#include "TextBox.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace shrink4 {

namespace {

// The text as drawn: tabs as four spaces, other control characters as one.
QString shownText(const QString& text, int from, int to)
{
    QString shown;
    shown.reserve(to - from);
    for (int i = from; i < to; ++i) {
        const QChar c = text[i];
        if (c == u'\t')
            shown += QStringLiteral("    ");
        else
            shown += shownChar(c);
    }
    return shown;
}

} // namespace

void TextBox::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    const QPalette& pal = palette();
    const QString& text = m_lines.text();
    const int height = lineHeight();
    const qreal ascent = m_advances.metrics().ascent();
    const qreal right = viewport()->width();
    const qreal left = rowLeft();
    const int selFrom = std::min(m_anchor, m_cursor);
    const int selTo = std::max(m_anchor, m_cursor);
    const int first = firstVisibleRow();
    const int last = std::min(m_layout.rowCount() - 1, first + visibleRows() + 1);

    for (int row = first; row <= last; ++row) {
        const RowSpan span = m_layout.row(m_lines, m_advances, row);
        const int top = rowTop(row);
        // Skip what lies left of the view (a scrolled single line), stop past its right.
        int from = positionAtOffset(span, -left);
        if (from > span.start)
            --from;
        qreal x = left + offsetIn(span.start, from);
        int to = from;
        for (qreal end = x; to < span.end && end <= right; ++to)
            end += m_advances.advance(text, to);
        if (to < span.end && text[to].isLowSurrogate())
            ++to;

        // Draw in up to three pieces: before, inside and after the selection.
        const int cuts[] = {from, std::clamp(selFrom, from, to), std::clamp(selTo, from, to), to};
        for (int k = 0; k < 3; ++k) {
            const int a = cuts[k];
            const int b = cuts[k + 1];
            if (a >= b)
                continue;
            const qreal w = m_advances.width(text, a, b);
            const bool selected = k == 1;
            if (selected)
                painter.fillRect(QRectF(x, top, w, height), pal.brush(QPalette::Highlight));
            painter.setPen(pal.color(selected ? QPalette::HighlightedText : QPalette::Text));
            painter.drawText(QPointF(x, top + ascent), shownText(text, a, b));
            x += w;
        }
        // A selected line break shows as a little selected space.
        const int lineEnd = m_lines.lineEnd(m_lines.lineOf(span.start));
        if (span.end == lineEnd && selFrom <= lineEnd && lineEnd < selTo)
            painter.fillRect(QRectF(x, top, m_advances.metrics().horizontalAdvance(u' '), height),
                             pal.brush(QPalette::Highlight));
    }

    if (m_cursorShown && hasFocus() && !m_readOnly)
        painter.fillRect(cursorRect(), pal.brush(QPalette::Text));
}

} // namespace shrink4
