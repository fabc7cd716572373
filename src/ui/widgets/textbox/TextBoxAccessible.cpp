#include "TextBoxAccessible.h"

#include "ui/widgets/textbox/Graphemes.h"
#include "ui/widgets/textbox/TextBox.h"

#include <algorithm>

namespace shrink4 {

namespace {

// How far either side of an offset a word or sentence is looked for.
constexpr int kReach = 1024;

QAccessibleInterface* textBoxFactory(const QString&, QObject* object)
{
    if (auto* box = qobject_cast<TextBox*>(object))
        return new TextBoxAccessible(box);
    return nullptr;
}

} // namespace

TextBoxAccessible::TextBoxAccessible(TextBox* box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{
}

void TextBoxAccessible::installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(textBoxFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

TextBox* TextBoxAccessible::box() const
{
    return static_cast<TextBox*>(widget());
}

void* TextBoxAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State TextBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !box()->isReadOnly();
    state.readOnly = box()->isReadOnly();
    state.multiLine = box()->mode() == TextBox::Mode::MultiLine;
    state.selectableText = true;
    return state;
}

QString TextBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return box()->toPlainText(); // shared, not copied
    return QAccessibleWidget::text(t);
}

void TextBoxAccessible::setText(QAccessible::Text t, const QString& text)
{
    if (t != QAccessible::Value)
        QAccessibleWidget::setText(t, text);
    else if (!box()->isReadOnly())
        box()->replaceAll(text);
}

// --- selection and cursor ---------------------------------------------------------

void TextBoxAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    const TextBox* b = box();
    const bool exists = selectionIndex == 0 && b->hasSelectedText();
    *startOffset = exists ? std::min(b->m_anchor, b->m_cursor) : 0;
    *endOffset = exists ? std::max(b->m_anchor, b->m_cursor) : 0;
}

int TextBoxAccessible::selectionCount() const
{
    return box()->hasSelectedText() ? 1 : 0;
}

void TextBoxAccessible::addSelection(int startOffset, int endOffset)
{
    box()->setSelection(startOffset, endOffset); // a box has one selection
}

void TextBoxAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        box()->setCursorPosition(box()->cursorPosition());
}

void TextBoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        box()->setSelection(startOffset, endOffset);
}

int TextBoxAccessible::cursorPosition() const
{
    return box()->cursorPosition();
}

void TextBoxAccessible::setCursorPosition(int position)
{
    box()->setCursorPosition(position);
}

// --- text ---------------------------------------------------------------------------

int TextBoxAccessible::characterCount() const
{
    return box()->m_lines.size();
}

QString TextBoxAccessible::text(int startOffset, int endOffset) const
{
    const int from = std::clamp(startOffset, 0, characterCount());
    const int to = std::clamp(endOffset, from, characterCount());
    return box()->m_lines.text().mid(from, to - from);
}

// The span of the word or sentence around `offset`, looked for within its line and a
// reach either side.
std::pair<int, int> TextBoxAccessible::textSpan(int offset, QTextBoundaryFinder::BoundaryType type) const
{
    const TextLines& lines = box()->m_lines;
    const int line = lines.lineOf(offset);
    const int from = std::max(lines.lineStart(line), offset - kReach);
    const int to = std::min(lines.lineEnd(line), offset + kReach);
    if (offset >= to)
        return {offset, std::min(offset + 1, lines.size())}; // the line break itself
    QTextBoundaryFinder finder(type, lines.text().constData() + from, to - from);
    finder.setPosition(offset - from);
    const qsizetype start = finder.isAtBoundary() ? offset - from : finder.toPreviousBoundary();
    finder.setPosition(start);
    const qsizetype end = finder.toNextBoundary();
    return {from + int(start), end < 0 ? to : from + int(end)};
}

std::pair<int, int> TextBoxAccessible::itemAt(int offset, QAccessible::TextBoundaryType boundaryType) const
{
    const TextBox* b = box();
    const TextLines& lines = b->m_lines;
    const int count = lines.size();
    switch (boundaryType) {
    case QAccessible::CharBoundary:
        return {offset, nextGraphemeBoundary(lines.text(), offset)};
    case QAccessible::WordBoundary:
        return textSpan(offset, QTextBoundaryFinder::Word);
    case QAccessible::SentenceBoundary:
        return textSpan(offset, QTextBoundaryFinder::Sentence);
    case QAccessible::LineBoundary: { // a row on screen, with the line break that ends it
        const int row = b->m_layout.rowOf(lines, *b->m_advances, offset);
        const RowSpan span = b->m_layout.row(lines, *b->m_advances, row);
        const bool lastOfLine = span.end == lines.lineEnd(lines.lineOf(span.start));
        return {span.start, std::min(count, span.end + (lastOfLine ? 1 : 0))};
    }
    case QAccessible::ParagraphBoundary: {
        const int line = lines.lineOf(offset);
        return {lines.lineStart(line), std::min(count, lines.lineEnd(line) + 1)};
    }
    case QAccessible::NoBoundary:
        break;
    }
    return {0, count};
}

QString TextBoxAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                        int* endOffset) const
{
    // By convention -2 asks at the cursor and -1 at the end.
    const int count = characterCount();
    if (offset == -2)
        offset = cursorPosition();
    else if (offset == -1)
        offset = count;
    *startOffset = *endOffset = -1;
    if (offset < 0 || offset > count)
        return QString();
    if (offset == count && boundaryType != QAccessible::NoBoundary) {
        *startOffset = *endOffset = count;
        return QString();
    }
    std::tie(*startOffset, *endOffset) = itemAt(offset, boundaryType);
    return text(*startOffset, *endOffset);
}

QString TextBoxAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                            int* endOffset) const
{
    int start = 0;
    int end = 0;
    textAtOffset(offset, boundaryType, &start, &end);
    if (start <= 0 || boundaryType == QAccessible::NoBoundary) {
        *startOffset = *endOffset = -1;
        return QString();
    }
    return textAtOffset(start - 1, boundaryType, startOffset, endOffset);
}

QString TextBoxAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                           int* endOffset) const
{
    int start = 0;
    int end = 0;
    textAtOffset(offset, boundaryType, &start, &end);
    if (end < 0 || end >= characterCount() || boundaryType == QAccessible::NoBoundary) {
        *startOffset = *endOffset = -1;
        return QString();
    }
    return textAtOffset(end, boundaryType, startOffset, endOffset);
}

QString TextBoxAccessible::attributes(int, int* startOffset, int* endOffset) const
{
    // One font and colour throughout: no attributes, over the whole text.
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

// --- geometry -------------------------------------------------------------------------

QRect TextBoxAccessible::characterRect(int offset) const
{
    const TextBox* b = box();
    if (offset < 0 || offset >= characterCount())
        return QRect();
    QRect r = b->caretRect(offset);
    if (offset == b->m_cursor) // the composition stands before the cursor's character
        r.translate(-qRound(b->compositionCursorOffset()), 0);
    r.setWidth(std::max(1, qRound(b->m_advances->advance(b->m_lines.text(), offset))));
    return QRect(b->viewport()->mapToGlobal(r.topLeft()), r.size());
}

int TextBoxAccessible::offsetAtPoint(const QPoint& point) const
{
    const TextBox* b = box();
    const QPoint local = b->viewport()->mapFromGlobal(point);
    return b->viewport()->rect().contains(local) ? b->positionAt(local) : -1;
}

void TextBoxAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    // As Qt's line edit does: through the cursor, which the view follows.
    box()->setCursorPosition(endIndex);
    box()->setCursorPosition(startIndex);
}

// --- editing --------------------------------------------------------------------------

void TextBoxAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void TextBoxAccessible::insertText(int offset, const QString& text)
{
    replaceText(offset, offset, text);
}

void TextBoxAccessible::replaceText(int startOffset, int endOffset, const QString& text)
{
    TextBox* b = box();
    if (b->isReadOnly())
        return;
    const int from = std::clamp(std::min(startOffset, endOffset), 0, characterCount());
    const int to = std::clamp(std::max(startOffset, endOffset), 0, characterCount());
    b->replaceRange(from, to, text);
}

} // namespace shrink4
