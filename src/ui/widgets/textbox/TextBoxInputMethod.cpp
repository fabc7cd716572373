// Input methods in a text box: what they compose is shown in place until it commits,
// and what they ask of the text is answered from a window around the cursor.

#include "ui/widgets/textbox/TextBox.h"

#include "scheme/TypedText.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>

#include <algorithm>

namespace shrink4 {

namespace {

// How much of a line an input method sees around the cursor: a megabyte line is not
// copied on every query.
constexpr int kSurrounding = 1024;

} // namespace

void TextBox::commitComposition()
{
    if (m_composition.isEmpty())
        return;
    QGuiApplication::inputMethod()->commit();
    dropComposition(); // the input method may have had nothing to commit
}

void TextBox::dropComposition()
{
    if (m_composition.isEmpty())
        return;
    m_composition.clear();
    if (hasFocus())
        QGuiApplication::inputMethod()->reset();
    viewport()->update();
}

void TextBox::inputMethodEvent(QInputMethodEvent* event)
{
    event->accept();
    if (m_readOnly)
        return;
    // As in Qt's own boxes, composing over a selection replaces it.
    if (hasSelectedText() && m_composition.isEmpty() && !event->preeditString().isEmpty())
        replaceSelection(QString());
    // The commit string takes the place of the replacement range, given relative to the
    // cursor, or of the selection.
    if (!event->commitString().isEmpty() || event->replacementLength() > 0) {
        if (!hasSelectedText()) {
            const int from = std::clamp(m_cursor + event->replacementStart(), 0, m_lines.size());
            m_anchor = std::min(from + event->replacementLength(), m_lines.size());
            m_cursor = from;
        }
        replaceSelection(typedText(event->commitString()), EditKind::Typing);
    }
    for (const QInputMethodEvent::Attribute& a : event->attributes())
        if (a.type == QInputMethodEvent::Selection)
            setSelection(a.start, a.start + a.length);
    m_composition.set(*event);
    cursorMoved(m_anchor, m_cursor);
}

QVariant TextBox::inputMethodQuery(Qt::InputMethodQuery query) const
{
    // The window of text around the cursor that the input method sees: the cursor's
    // line, but no more than kSurrounding characters either side.
    const int line = m_lines.lineOf(m_cursor);
    const int from = std::max(m_lines.lineStart(line), m_cursor - kSurrounding);
    const int to = std::min(m_lines.lineEnd(line), m_cursor + kSurrounding);
    const auto inWindow = [&](int position) { return std::clamp(position, from, to) - from; };
    const QString& text = m_lines.text();
    switch (query) {
    case Qt::ImEnabled:
        return !m_readOnly;
    case Qt::ImReadOnly:
        return m_readOnly;
    case Qt::ImCursorRectangle: // in this widget's coordinates
        return cursorRect().translated(viewport()->pos());
    case Qt::ImAnchorRectangle:
        return caretRect(m_anchor).translated(viewport()->pos());
    case Qt::ImFont:
        return font();
    case Qt::ImCursorPosition:
        return inWindow(m_cursor);
    case Qt::ImAnchorPosition:
        return inWindow(m_anchor);
    case Qt::ImAbsolutePosition:
        return m_cursor;
    case Qt::ImSurroundingText:
        return text.mid(from, to - from);
    case Qt::ImTextBeforeCursor:
        return text.mid(from, m_cursor - from);
    case Qt::ImTextAfterCursor:
        return text.mid(m_cursor, to - m_cursor);
    case Qt::ImCurrentSelection: { // the part inside the window: a selection may be megabytes
        const int a = inWindow(std::min(m_anchor, m_cursor));
        const int b = inWindow(std::max(m_anchor, m_cursor));
        return text.mid(from + a, b - a);
    }
    case Qt::ImMaximumTextLength:
        return QVariant(); // no limit
    case Qt::ImHints:
        return int(inputMethodHints() | (m_mode == Mode::MultiLine ? Qt::ImhMultiLine : Qt::ImhNone));
    default:
        return QAbstractScrollArea::inputMethodQuery(query);
    }
}

} // namespace shrink4
