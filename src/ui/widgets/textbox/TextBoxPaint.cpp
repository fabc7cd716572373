// Drawing a text box: only the rows in view, and of a long row only what is in view.

#include "ui/widgets/textbox/TextBox.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

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
    const qreal ascent = m_advances->metrics().ascent();
    const qreal right = viewport()->width();
    const qreal left = rowLeft();
    const int selFrom = std::min(m_anchor, m_cursor);
    const int selTo = std::max(m_anchor, m_cursor);
    const int first = firstVisibleRow();
    const int last = std::min(m_layout.rowCount() - 1, first + visibleRows() + 1);
    const int compositionRow = m_composition.isEmpty() ? -1 : m_layout.rowOf(m_lines, *m_advances, m_cursor);
    if (m_lines.size() == 0 && m_composition.isEmpty())
        paintPlaceholder(painter);

    for (int row = first; row <= last; ++row) {
        const RowSpan span = m_layout.row(m_lines, *m_advances, row);
        const int top = rowTop(row);
        // Skip what lies left of the view (a scrolled single line), stop past its right.
        int from = positionAtOffset(span, -left);
        if (from > span.start)
            --from;
        qreal x = left + offsetIn(span.start, from);
        int to = from;
        for (qreal end = x; to < span.end && end <= right; ++to)
            end += m_advances->advance(text, to);
        if (to < span.end && text[to].isLowSurrogate())
            ++to;

        // Draw in pieces: before, inside and after the selection, and the input method's
        // composition at the cursor between two of them.
        const bool composing = row == compositionRow && from <= m_cursor && m_cursor <= to;
        int cuts[] = {from, std::clamp(selFrom, from, to), std::clamp(selTo, from, to), to,
                      composing ? m_cursor : from};
        std::sort(std::begin(cuts), std::end(cuts));
        bool composed = !composing;
        for (int k = 0; k < 4; ++k) {
            const int a = cuts[k];
            const int b = cuts[k + 1];
            if (!composed && a == m_cursor) {
                x += m_composition.paint(painter, QPointF(x, top), height, *m_advances, pal);
                composed = true;
            }
            if (a >= b)
                continue;
            const qreal w = m_advances->width(text, a, b);
            const bool selected = selFrom <= a && b <= selTo;
            if (selected)
                painter.fillRect(QRectF(x, top, w, height), pal.brush(QPalette::Highlight));
            painter.setPen(pal.color(selected ? QPalette::HighlightedText : QPalette::Text));
            painter.drawText(QPointF(x, top + ascent), shownText(text, a, b));
            x += w;
        }
        if (!composed)
            x += m_composition.paint(painter, QPointF(x, top), height, *m_advances, pal);
        // A selected line break shows as a little selected space.
        const int lineEnd = m_lines.lineEnd(m_lines.lineOf(span.start));
        if (span.end == lineEnd && selFrom <= lineEnd && lineEnd < selTo)
            painter.fillRect(QRectF(x, top, m_advances->metrics().horizontalAdvance(u' '), height),
                             pal.brush(QPalette::Highlight));
    }

    const bool cursorHidden = !m_composition.isEmpty() && !m_composition.cursorShown();
    if (m_cursorShown && hasFocus() && !m_readOnly && !cursorHidden)
        painter.fillRect(cursorRect(), pal.brush(QPalette::Text));
}

// The hint sits where the text would start. A multi-line box wraps it to its width; a
// single line shows its first line, cut short with an ellipsis where it does not fit.
void TextBox::paintPlaceholder(QPainter& painter)
{
    if (m_placeholder.isEmpty())
        return;
    painter.save();
    painter.setPen(palette().color(QPalette::PlaceholderText));
    const int top = rowTop(0);
    const QRect area(0, top, viewport()->width(), viewport()->height() - top);
    const QRect inside = area.adjusted(sideMargin(), 0, -sideMargin(), 0);
    if (m_mode == Mode::MultiLine) {
        painter.drawText(inside, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_placeholder);
    } else {
        const QString line = m_placeholder.section(u'\n', 0, 0);
        const QString shown = painter.fontMetrics().elidedText(line, Qt::ElideRight, inside.width());
        painter.drawText(inside, int(m_alignment) | Qt::AlignTop, shown);
    }
    painter.restore();
}

// A multi-line box's frame drawn as a line edit's, so it shows the focus as the line
// boxes do (the style's plain frame does not).
void TextBox::paintFrame()
{
    QPainter painter(this);
    QStyleOptionFrame option;
    option.initFrom(this);
    option.rect = frameRect();
    option.lineWidth = frameWidth();
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    if (hasFocus())
        option.state |= QStyle::State_HasFocus;
    style()->drawPrimitive(QStyle::PE_FrameLineEdit, &option, &painter, this);
}

} // namespace shrink4
