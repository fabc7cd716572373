#include "TextBox.h"

#include "ui/widgets/textbox/Graphemes.h"
#include "ui/widgets/textbox/TextBoxAccessible.h"
#include "scheme/TypedText.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QUndoStack>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace shrink4 {

namespace {

constexpr int kMargin = 4;     // the space Qt's text boxes leave around their text
constexpr int kLineMargin = 2; // and a line edit beside its text

} // namespace

TextBox::TextBox(QWidget* parent)
    : TextBox(Mode::MultiLine, QString(), parent)
{
}

TextBox::TextBox(const QString& text, QWidget* parent)
    : TextBox(Mode::MultiLine, text, parent)
{
}

TextBox::TextBox(Mode mode, const QString& text, QWidget* parent)
    : QAbstractScrollArea(parent),
      m_mode(mode),
      m_lines(mode == Mode::MultiLine ? TextLines::Breaks::Lines : TextLines::Breaks::None),
      m_advances(CharAdvances::of(font()))
{
    TextBoxAccessible::installFactory();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setAcceptDrops(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (mode == Mode::SingleLine) {
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }
    verticalScrollBar()->setSingleStep(1);
    m_lines.setText(m_lines.normalized(text));
    relayout();
}

// --- text -------------------------------------------------------------------------

void TextBox::setPlainText(const QString& text)
{
    dropComposition();
    const EditNotice notice(*this, 0, m_lines.size());
    m_lines.setText(m_lines.normalized(text));
    ++m_generation;
    m_history.clear();
    m_scrollX = 0;
    const int at = m_mode == Mode::SingleLine ? m_lines.size() : 0;
    m_anchor = m_cursor = at;
    m_preferredX = -1;
    relayout();
    verticalScrollBar()->setValue(0);
    ensureCursorVisible();
    viewport()->update();
    notice.send(this, m_lines.text());
    emit textChanged();
}

void TextBox::replaceAll(const QString& text)
{
    dropComposition();
    // Only the stretch that differs is replaced: writing back a list with a few changes
    // keeps a small undo step and re-wraps only the lines it touched.
    const QString wanted = m_lines.normalized(text);
    const QChar* a = m_lines.text().constData();
    const QChar* b = wanted.constData();
    const int sizeA = m_lines.size();
    const int sizeB = int(wanted.size());
    const int shorter = std::min(sizeA, sizeB);
    const int head = int(std::mismatch(a, a + shorter, b).first - a);
    using Back = std::reverse_iterator<const QChar*>;
    const int tail = int(std::mismatch(Back(a + sizeA), Back(a + sizeA - (shorter - head)), Back(b + sizeB)).first
                         - Back(a + sizeA));
    if (2 * (head + tail) < sizeA) {
        // Most of the text changes: take the whole of it, so that the old and the new text
        // are shared with the history rather than copied (megabytes, when a run rewrites a list).
        replaceRange(0, sizeA, wanted);
    } else {
        replaceRange(head, sizeA - tail, wanted.mid(head, sizeB - head - tail));
    }
    moveCursor(m_lines.size(), false);
}

void TextBox::clear()
{
    replaceAll(QString());
}

void TextBox::setPlaceholderText(const QString& text)
{
    if (text == m_placeholder)
        return;
    m_placeholder = text;
    setAccessibleDescription(text);
    viewport()->update();
}

void TextBox::setReadOnly(bool readOnly)
{
    if (readOnly == m_readOnly)
        return;
    dropComposition();
    m_readOnly = readOnly;
    setAttribute(Qt::WA_InputMethodEnabled, !readOnly);
    viewport()->update();
    TextBoxAccessible::announceReadOnly(this);
}

void TextBox::setSelection(int anchor, int cursor)
{
    m_anchor = std::clamp(anchor, 0, m_lines.size());
    moveCursor(cursor, true);
}

QString TextBox::selectedText() const
{
    const int from = std::min(m_anchor, m_cursor);
    return m_lines.text().mid(from, std::abs(m_cursor - m_anchor));
}

void TextBox::selectLine(int line)
{
    if (line < 0 || line >= m_lines.lineCount())
        return;
    // The cursor at the start: a long line wraps, and its start is what is read first.
    setSelection(m_lines.lineEnd(line), m_lines.lineStart(line));
}

void TextBox::selectAll()
{
    m_anchor = 0;
    moveCursor(m_lines.size(), true);
}

void TextBox::copy()
{
    if (hasSelectedText())
        QApplication::clipboard()->setText(selectedText());
}

void TextBox::cut()
{
    if (m_readOnly || !hasSelectedText())
        return;
    copy();
    replaceSelection(QString());
}

void TextBox::paste()
{
    if (m_readOnly)
        return;
    const QString text = typedText(QApplication::clipboard()->text());
    if (!text.isEmpty() || hasSelectedText())
        replaceSelection(text);
}

bool TextBox::isUndoAvailable() const
{
    return m_undoStack ? m_undoStack->canUndo() : m_history.canUndo();
}

bool TextBox::isRedoAvailable() const
{
    return m_undoStack ? m_undoStack->canRedo() : m_history.canRedo();
}

void TextBox::undo()
{
    if (m_readOnly)
        return;
    if (m_undoStack)
        m_undoStack->undo();
    else
        undoOwnStep();
}

void TextBox::redo()
{
    if (m_readOnly)
        return;
    if (m_undoStack)
        m_undoStack->redo();
    else
        redoOwnStep();
}

void TextBox::undoOwnStep()
{
    if (!m_history.canUndo())
        return;
    const HistoryStep step = m_history.takeUndo(m_lines.text());
    apply(step.position, step.length, step.text);
    setSelection(step.anchorBefore, step.cursorBefore);
}

void TextBox::redoOwnStep()
{
    if (!m_history.canRedo())
        return;
    const HistoryStep step = m_history.takeRedo(m_lines.text());
    apply(step.position, step.length, step.text);
}

void TextBox::replaceSelection(const QString& text, EditKind kind)
{
    replaceRange(std::min(m_anchor, m_cursor), std::max(m_anchor, m_cursor), text, kind);
}

void TextBox::replaceRange(int from, int to, const QString& text, EditKind kind)
{
    const QString inserted = m_lines.normalized(text);
    QString removed = m_lines.text().mid(from, to - from);
    if (removed.isEmpty() && inserted.isEmpty())
        return;
    const int anchor = m_anchor;
    const int cursor = m_cursor;
    apply(from, to - from, inserted);
    emit undoStepRecorded(m_history.record(from, std::move(removed), int(inserted.size()), anchor, cursor, kind));
}

// Every change of the text passes here: the line index and the rows follow the edit,
// the cursor lands after the new text.
void TextBox::apply(int from, int count, const QString& normalizedText)
{
    const int anchorBefore = m_anchor;
    const int cursorBefore = m_cursor;
    const EditNotice notice(*this, from, count);
    if (m_mode == Mode::SingleLine)
        m_singleLineWidth += m_advances->width(normalizedText, 0, int(normalizedText.size()))
                             - m_advances->width(m_lines.text(), from, from + count);
    const TextLines::Change change = m_lines.replace(from, count, normalizedText);
    m_layout.update(m_lines, *m_advances, change);
    // A width measured wholly before the edit still holds.
    const bool walkHolds = m_walk.generation == m_generation && m_walk.position <= from;
    ++m_generation;
    if (walkHolds)
        m_walk.generation = m_generation;
    m_anchor = m_cursor = from + int(normalizedText.size());
    m_preferredX = -1;
    updateScrollBars();
    notice.send(this, normalizedText);
    cursorMoved(anchorBefore, cursorBefore);
    emit textChanged();
}

void TextBox::deleteTo(int position, EditKind kind)
{
    if (hasSelectedText())
        replaceSelection(QString());
    else if (position != m_cursor)
        replaceRange(std::min(position, m_cursor), std::max(position, m_cursor), QString(), kind);
}

void TextBox::moveCursor(int position, bool keepAnchor, bool keepColumn)
{
    const int anchorBefore = m_anchor;
    const int cursorBefore = m_cursor;
    position = std::clamp(position, 0, m_lines.size());
    // Never inside what shows as one character.
    if (!isGraphemeBoundary(m_lines.text(), position))
        position = position >= m_cursor ? nextGraphemeBoundary(m_lines.text(), position)
                                        : previousGraphemeBoundary(m_lines.text(), position);
    m_cursor = position;
    if (!keepAnchor)
        m_anchor = position;
    if (!keepColumn)
        m_preferredX = -1;
    cursorMoved(anchorBefore, cursorBefore);
}

// The view, the blinking, the input method and assistive technology follow the cursor.
void TextBox::cursorMoved(int anchorBefore, int cursorBefore)
{
    ensureCursorVisible();
    restartBlinking();
    viewport()->update();
    updateMicroFocus(Qt::ImQueryInput);
    TextBoxAccessible::announceCaret(this, anchorBefore, cursorBefore);
}

// --- geometry ---------------------------------------------------------------------

qreal TextBox::wrapWidth() const
{
    return m_mode == Mode::MultiLine ? std::max<qreal>(1, viewport()->width() - 2 * kMargin) : 0;
}

void TextBox::relayout()
{
    m_layout.rebuild(m_lines, *m_advances, wrapWidth());
    if (m_mode == Mode::SingleLine)
        m_singleLineWidth = m_advances->width(m_lines.text(), 0, m_lines.size());
    updateScrollBars();
}

int TextBox::lineHeight() const
{
    return std::max(1, int(std::ceil(m_advances->metrics().lineSpacing())));
}

int TextBox::firstVisibleRow() const
{
    return m_mode == Mode::MultiLine ? verticalScrollBar()->value() : 0;
}

int TextBox::visibleRows() const
{
    return std::max(1, (viewport()->height() - 2 * kMargin) / lineHeight());
}

int TextBox::rowTop(int row) const
{
    if (m_mode == Mode::SingleLine)
        return (viewport()->height() - lineHeight()) / 2;
    return kMargin + (row - firstVisibleRow()) * lineHeight();
}

int TextBox::sideMargin() const
{
    return m_mode == Mode::MultiLine ? kMargin : kLineMargin;
}

qreal TextBox::rowLeft() const
{
    if (m_mode == Mode::MultiLine)
        return kMargin;
    const qreal room = viewport()->width() - 2 * kLineMargin;
    const qreal width = singleLineWidth();
    qreal left = kLineMargin;
    if (width < room && (m_alignment & Qt::AlignHCenter))
        left += (room - width) / 2;
    else if (width < room && (m_alignment & Qt::AlignRight))
        left += room - width;
    return left - m_scrollX;
}

qreal TextBox::offsetIn(int rowStart, int position) const
{
    auto& walk = m_walk;
    if (walk.generation != m_generation || walk.rowStart != rowStart
        || std::abs(walk.position - position) > position - rowStart) {
        walk = {m_generation, rowStart, rowStart, 0};
    }
    const QString& text = m_lines.text();
    for (; walk.position < position; ++walk.position)
        walk.offset += m_advances->advance(text, walk.position);
    for (; walk.position > position; --walk.position)
        walk.offset -= m_advances->advance(text, walk.position - 1);
    return walk.offset;
}

// The character boundary nearest to x (measured from the row's left edge).
int TextBox::positionAtOffset(RowSpan span, qreal x) const
{
    if (x <= 0)
        return span.start;
    // Start from the remembered walk when it is on this row: a long single line is
    // searched from where the view already is.
    const QString& text = m_lines.text();
    int i = span.start;
    qreal at = 0;
    if (m_walk.generation == m_generation && m_walk.rowStart == span.start) {
        i = m_walk.position;
        at = m_walk.offset;
        while (i > span.start && at > x)
            at -= m_advances->advance(text, --i);
    }
    for (; i < span.end; ++i) {
        const qreal a = m_advances->advance(text, i);
        if (at + a / 2 > x)
            return i;
        at += a;
    }
    return span.end;
}

int TextBox::positionAt(QPoint point) const
{
    const int rows = m_layout.rowCount();
    int row = firstVisibleRow();
    if (m_mode == Mode::MultiLine)
        row += (point.y() - kMargin) / lineHeight() - (point.y() < kMargin ? 1 : 0);
    row = std::clamp(row, 0, rows - 1);
    const RowSpan span = m_layout.row(m_lines, *m_advances, row);
    return positionAtOffset(span, point.x() - rowLeft());
}

QRect TextBox::caretRect(int position) const
{
    const int row = m_layout.rowOf(m_lines, *m_advances, position);
    const RowSpan span = m_layout.row(m_lines, *m_advances, row);
    qreal x = rowLeft() + offsetIn(span.start, position);
    if (position == m_cursor)
        x += compositionCursorOffset();
    return QRect(int(std::floor(x)), rowTop(row), 1, lineHeight());
}

qreal TextBox::compositionCursorOffset() const
{
    return m_composition.isEmpty() ? 0 : m_composition.cursorOffset(*m_advances);
}

void TextBox::updateScrollBars()
{
    if (m_mode == Mode::SingleLine)
        return;
    QScrollBar* bar = verticalScrollBar();
    const int rows = visibleRows();
    bar->setPageStep(rows);
    bar->setRange(0, std::max(0, m_layout.rowCount() - rows));
}

void TextBox::ensureCursorVisible()
{
    if (m_mode == Mode::MultiLine) {
        const int row = m_layout.rowOf(m_lines, *m_advances, m_cursor);
        QScrollBar* bar = verticalScrollBar();
        if (row < bar->value())
            bar->setValue(row);
        else if (row >= bar->value() + visibleRows())
            bar->setValue(row - visibleRows() + 1);
        return;
    }
    const qreal room = std::max<qreal>(1, viewport()->width() - 2 * kLineMargin - 1);
    const qreal x = offsetIn(0, m_cursor) + compositionCursorOffset();
    if (x - m_scrollX > room)
        m_scrollX = x - room;
    else if (x < m_scrollX)
        m_scrollX = x;
    // Take back scrolling that only shows empty space after the end.
    const qreal width = singleLineWidth() + (m_composition.isEmpty() ? 0 : m_composition.width(*m_advances));
    m_scrollX = std::max<qreal>(0, std::min(m_scrollX, width - room));
}

void TextBox::scrollContentsBy(int, int)
{
    viewport()->update();
}

void TextBox::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    if (m_mode == Mode::MultiLine) {
        // Re-wrap only when the width changed (a full box takes tens of milliseconds),
        // keeping the text at the top where it was, and the cursor in view if it was: a
        // paste that brings the scroll bar narrows the box, and a long line re-wraps.
        if (wrapWidth() != m_layout.width()) {
            const int top = firstVisibleRow();
            const int topPosition = m_layout.row(m_lines, *m_advances, top).start;
            const int cursorRow = m_layout.rowOf(m_lines, *m_advances, m_cursor);
            const bool cursorInView = top <= cursorRow && cursorRow < top + visibleRows();
            relayout();
            verticalScrollBar()->setValue(m_layout.rowOf(m_lines, *m_advances, topPosition));
            if (cursorInView)
                ensureCursorVisible();
        } else {
            updateScrollBars();
        }
    } else {
        ensureCursorVisible();
    }
}

void TextBox::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_advances = CharAdvances::of(font());
        ++m_generation;
        relayout();
        ensureCursorVisible();
        viewport()->update();
    }
}

void TextBox::setHorizontalAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    viewport()->update();
}

void TextBox::restartBlinking()
{
    m_cursorShown = true;
    const int period = QApplication::cursorFlashTime() / 2;
    if (hasFocus() && period > 0)
        m_blink.start(period, this);
    else
        m_blink.stop();
}

void TextBox::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_blink.timerId()) {
        QAbstractScrollArea::timerEvent(event);
        return;
    }
    m_cursorShown = !m_cursorShown;
    viewport()->update(cursorRect().adjusted(-1, 0, 1, 0));
}

void TextBox::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    restartBlinking();
    update();
    viewport()->update();
}

void TextBox::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    // What was being composed goes with the focus: the input method has moved on.
    m_composition.clear();
    m_blink.stop();
    m_cursorShown = false;
    update();
    viewport()->update();
}

} // namespace shrink4
