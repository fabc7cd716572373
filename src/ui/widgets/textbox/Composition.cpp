#include "Composition.h"

#include <QPainter>
#include <QPalette>

#include <algorithm>

namespace shrink4 {

void Composition::set(const QInputMethodEvent& event)
{
    clear();
    m_text = event.preeditString();
    const int size = int(m_text.size());
    m_cursor = size; // at the end unless the input method says otherwise
    for (const QInputMethodEvent::Attribute& a : event.attributes()) {
        if (a.type == QInputMethodEvent::Cursor) {
            m_cursor = std::clamp(a.start, 0, size);
            m_cursorShown = a.length != 0;
        } else if (a.type == QInputMethodEvent::TextFormat) {
            const QTextCharFormat format = a.value.value<QTextFormat>().toCharFormat();
            const int start = std::clamp(a.start, 0, size);
            if (format.isValid())
                m_formats.push_back({start, std::clamp(a.length, 0, size - start), format});
        }
    }
}

qreal Composition::width(const CharAdvances& advances) const
{
    return advances.width(m_text, 0, int(m_text.size()));
}

qreal Composition::cursorOffset(const CharAdvances& advances) const
{
    return advances.width(m_text, 0, m_cursor);
}

// The formats that cover `position`, later ones over earlier ones.
QTextCharFormat Composition::formatAt(int position) const
{
    QTextCharFormat merged;
    for (const Format& f : m_formats)
        if (f.start <= position && position < f.start + f.length)
            merged.merge(f.format);
    return merged;
}

qreal Composition::paint(QPainter& painter, QPointF at, qreal height, const CharAdvances& advances,
                         const QPalette& palette) const
{
    const QFontMetricsF& metrics = advances.metrics();
    // Pieces of one format each: cut wherever a format starts or ends.
    std::vector<int> cuts{0, int(m_text.size())};
    for (const Format& f : m_formats)
        cuts.insert(cuts.end(), {f.start, f.start + f.length});
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());

    qreal x = at.x();
    for (std::size_t k = 0; k + 1 < cuts.size(); ++k) {
        const int a = cuts[k];
        const int b = cuts[k + 1];
        const QTextCharFormat format = formatAt(a);
        const qreal w = advances.width(m_text, a, b);
        if (format.hasProperty(QTextFormat::BackgroundBrush))
            painter.fillRect(QRectF(x, at.y(), w, height), format.background());
        const QColor color = format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                                              : palette.color(QPalette::Text);
        painter.setPen(color);
        painter.drawText(QPointF(x, at.y() + metrics.ascent()), m_text.mid(a, b - a));
        // Underlined unless a format says otherwise: the mark of text not yet committed.
        const bool underlined = !format.hasProperty(QTextFormat::TextUnderlineStyle)
                                || format.underlineStyle() != QTextCharFormat::NoUnderline;
        if (underlined) {
            const QColor line = format.hasProperty(QTextFormat::TextUnderlineColor) ? format.underlineColor() : color;
            const qreal y = at.y() + metrics.ascent() + metrics.underlinePos();
            painter.fillRect(QRectF(x, y, w, std::max<qreal>(1, metrics.lineWidth())), line);
        }
        x += w;
    }
    return x - at.x();
}

} // namespace shrink4
