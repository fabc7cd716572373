// Keys, mouse and context menu of a text box.

#include "ui/widgets/textbox/TextBox.h"

#include "ui/widgets/textbox/Graphemes.h"
#include "scheme/TypedText.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>

#include <algorithm>

namespace shrink4 {

namespace {

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

} // namespace

bool TextBox::handleNavigation(QKeyEvent* event)
{
    using M = Move;
    struct NavigationKey {
        QKeySequence::StandardKey key;
        Move move;
        bool select;
    };
    static const NavigationKey keys[] = {
        {QKeySequence::MoveToNextChar, M::NextChar, false},
        {QKeySequence::MoveToPreviousChar, M::PreviousChar, false},
        {QKeySequence::MoveToNextWord, M::NextWord, false},
        {QKeySequence::MoveToPreviousWord, M::PreviousWord, false},
        {QKeySequence::MoveToStartOfLine, M::StartOfRow, false},
        {QKeySequence::MoveToEndOfLine, M::EndOfRow, false},
        {QKeySequence::MoveToStartOfDocument, M::StartOfText, false},
        {QKeySequence::MoveToEndOfDocument, M::EndOfText, false},
        {QKeySequence::MoveToNextLine, M::NextRow, false},
        {QKeySequence::MoveToPreviousLine, M::PreviousRow, false},
        {QKeySequence::MoveToNextPage, M::NextPage, false},
        {QKeySequence::MoveToPreviousPage, M::PreviousPage, false},
        {QKeySequence::SelectNextChar, M::NextChar, true},
        {QKeySequence::SelectPreviousChar, M::PreviousChar, true},
        {QKeySequence::SelectNextWord, M::NextWord, true},
        {QKeySequence::SelectPreviousWord, M::PreviousWord, true},
        {QKeySequence::SelectStartOfLine, M::StartOfRow, true},
        {QKeySequence::SelectEndOfLine, M::EndOfRow, true},
        {QKeySequence::SelectStartOfDocument, M::StartOfText, true},
        {QKeySequence::SelectEndOfDocument, M::EndOfText, true},
        {QKeySequence::SelectNextLine, M::NextRow, true},
        {QKeySequence::SelectPreviousLine, M::PreviousRow, true},
        {QKeySequence::SelectNextPage, M::NextPage, true},
        {QKeySequence::SelectPreviousPage, M::PreviousPage, true},
    };
    for (const NavigationKey& k : keys) {
        if (!event->matches(k.key))
            continue;
        const Move move = k.move;
        const bool vertical =
            move == M::NextRow || move == M::PreviousRow || move == M::NextPage || move == M::PreviousPage;
        if (vertical && m_mode == Mode::SingleLine)
            return false; // as a line edit: up and down belong to the form
        if (!k.select && hasSelectedText() && (move == M::NextChar || move == M::PreviousChar)) {
            // An arrow collapses a selection to its edge.
            moveCursor(move == M::NextChar ? std::max(m_anchor, m_cursor) : std::min(m_anchor, m_cursor), false);
            return true;
        }
        moveCursor(targetOf(move), k.select, vertical);
        return true;
    }
    return false;
}

int TextBox::wordStartBefore(int position) const
{
    const QString& text = m_lines.text();
    while (position > 0 && !isWordChar(text[position - 1]))
        --position;
    while (position > 0 && isWordChar(text[position - 1]))
        --position;
    return position;
}

int TextBox::wordEndAfter(int position) const
{
    const QString& text = m_lines.text();
    const int n = m_lines.size();
    while (position < n && isWordChar(text[position]))
        ++position;
    while (position < n && !isWordChar(text[position]))
        ++position;
    return position;
}

int TextBox::targetOf(Move move)
{
    const int row = m_layout.rowOf(m_lines, *m_advances, m_cursor);
    const auto toRow = [&](int target) {
        target = std::clamp(target, 0, m_layout.rowCount() - 1);
        const RowSpan here = m_layout.row(m_lines, *m_advances, row);
        const qreal x = m_preferredX >= 0 ? m_preferredX : offsetIn(here.start, m_cursor);
        m_preferredX = x;
        return positionAtOffset(m_layout.row(m_lines, *m_advances, target), x);
    };
    switch (move) {
    case Move::NextChar:
        return nextGraphemeBoundary(m_lines.text(), m_cursor);
    case Move::PreviousChar:
        return previousGraphemeBoundary(m_lines.text(), m_cursor);
    case Move::NextWord:
        return wordEndAfter(m_cursor);
    case Move::PreviousWord:
        return wordStartBefore(m_cursor);
    case Move::StartOfRow:
        return m_layout.row(m_lines, *m_advances, row).start;
    case Move::EndOfRow: {
        const RowSpan span = m_layout.row(m_lines, *m_advances, row);
        // A row wrapped at a space ends before that space, so the cursor stays on it.
        const bool wrapped = span.end < m_lines.lineEnd(m_lines.lineOf(span.start));
        return wrapped && span.end > span.start && m_lines.text()[span.end - 1].isSpace() ? span.end - 1 : span.end;
    }
    case Move::StartOfText:
        return 0;
    case Move::EndOfText:
        return m_lines.size();
    case Move::NextRow:
        return row + 1 < m_layout.rowCount() ? toRow(row + 1) : m_lines.size();
    case Move::PreviousRow:
        return row > 0 ? toRow(row - 1) : 0;
    case Move::NextPage:
        verticalScrollBar()->setValue(verticalScrollBar()->value() + visibleRows());
        return toRow(row + visibleRows());
    case Move::PreviousPage:
        verticalScrollBar()->setValue(verticalScrollBar()->value() - visibleRows());
        return toRow(row - visibleRows());
    }
    return m_cursor;
}

bool TextBox::handleEditing(QKeyEvent* event)
{
    if (event->matches(QKeySequence::DeleteStartOfWord))
        deleteTo(wordStartBefore(m_cursor), EditKind::Other);
    else if (event->matches(QKeySequence::DeleteEndOfWord))
        deleteTo(wordEndAfter(m_cursor), EditKind::Other);
    else if (event->key() == Qt::Key_Backspace)
        deleteTo(previousGraphemeBoundary(m_lines.text(), m_cursor), EditKind::Backspace);
    else if (event->key() == Qt::Key_Delete)
        deleteTo(nextGraphemeBoundary(m_lines.text(), m_cursor), EditKind::Delete);
    else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (m_mode == Mode::SingleLine)
            return false; // the form's default button may want it
        replaceSelection(QStringLiteral("\n"));
    } else {
        const QString text = event->text();
        if (text.isEmpty() || !text.at(0).isPrint() || (event->modifiers() & Qt::ControlModifier))
            return false;
        replaceSelection(typedText(text), EditKind::Typing);
    }
    return true;
}

// The clipboard and history commands, each on its platform's standard key.
const TextBox::Command TextBox::kCommands[] = {
    {QKeySequence::SelectAll, &TextBox::selectAll},
    {QKeySequence::Copy, &TextBox::copy},
    {QKeySequence::Cut, &TextBox::cut},
    {QKeySequence::Paste, &TextBox::paste},
    {QKeySequence::Undo, &TextBox::undo},
    {QKeySequence::Redo, &TextBox::redo},
};

// Redo answers both keys in common use, whichever one the platform calls standard.
TextBox::CommandRun TextBox::commandFor(const QKeyEvent* key)
{
    for (const Command& command : kCommands)
        if (key->matches(command.key))
            return command.run;
    const QKeyCombination combination = key->keyCombination();
    if (combination == (Qt::ControlModifier | Qt::Key_Y)
        || combination == (Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z))
        return &TextBox::redo;
    return nullptr;
}

void TextBox::keyPressEvent(QKeyEvent* event)
{
    if (const CommandRun run = commandFor(event))
        (this->*run)();
    else if (!handleNavigation(event) && (m_readOnly || !handleEditing(event)))
        event->ignore();
}

bool TextBox::event(QEvent* event)
{
    if (event->type() == QEvent::Paint && m_mode == Mode::MultiLine && frameShape() != QFrame::NoFrame) {
        paintFrame();
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        // Editing keys belong to the box, not to a window shortcut that shares them.
        auto* key = static_cast<QKeyEvent*>(event);
        const bool plainText = !key->text().isEmpty() && key->text().at(0).isPrint()
                               && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (commandFor(key) || plainText || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete
            || key->key() == Qt::Key_Home || key->key() == Qt::Key_End) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void TextBox::mousePressEvent(QMouseEvent* event)
{
    commitComposition(); // a click ends the composing, as in Qt's own boxes
    if (event->button() == Qt::MiddleButton && !m_readOnly && QApplication::clipboard()->supportsSelection()) {
        // X11's middle-click paste of the current selection, where the click is.
        const QString text = QApplication::clipboard()->text(QClipboard::Selection);
        moveCursor(positionAt(event->position().toPoint()), false);
        if (!text.isEmpty())
            replaceSelection(typedText(text));
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    m_selecting = true;
    moveCursor(positionAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
}

void TextBox::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_selecting || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint p = event->position().toPoint();
    if (m_mode == Mode::MultiLine) {
        // Dragging past the top or bottom edge scrolls.
        QScrollBar* bar = verticalScrollBar();
        if (p.y() < 0)
            bar->setValue(bar->value() - 1);
        else if (p.y() > viewport()->height())
            bar->setValue(bar->value() + 1);
    }
    moveCursor(positionAt(p), true);
}

void TextBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_selecting = false;
    if (hasSelectedText() && QApplication::clipboard()->supportsSelection())
        QApplication::clipboard()->setText(selectedText(), QClipboard::Selection);
}

void TextBox::dragEnterEvent(QDragEnterEvent* event)
{
    if (!m_readOnly && event->mimeData()->hasText())
        event->acceptProposedAction();
}

void TextBox::dragMoveEvent(QDragMoveEvent* event)
{
    if (!m_readOnly && event->mimeData()->hasText())
        event->acceptProposedAction();
}

void TextBox::dropEvent(QDropEvent* event)
{
    // Text dropped from elsewhere goes in where it lands.
    if (m_readOnly || !event->mimeData()->hasText())
        return;
    moveCursor(positionAt(event->position().toPoint()), false);
    replaceSelection(typedText(event->mimeData()->text()));
    event->acceptProposedAction();
}

void TextBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int at = positionAt(event->position().toPoint());
    const QString& text = m_lines.text();
    int from = at;
    int to = at;
    while (from > 0 && isWordChar(text[from - 1]))
        --from;
    while (to < m_lines.size() && isWordChar(text[to]))
        ++to;
    setSelection(from, to);
}

void TextBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    const bool editable = !m_readOnly;
    const bool selected = hasSelectedText();
    menu.addAction(QStringLiteral("撤销"), QKeySequence::Undo, this, &TextBox::undo)
        ->setEnabled(editable && isUndoAvailable());
    menu.addAction(QStringLiteral("重做"), QKeySequence::Redo, this, &TextBox::redo)
        ->setEnabled(editable && isRedoAvailable());
    menu.addSeparator();
    menu.addAction(QStringLiteral("剪切"), QKeySequence::Cut, this, &TextBox::cut)->setEnabled(editable && selected);
    menu.addAction(QStringLiteral("复制"), QKeySequence::Copy, this, &TextBox::copy)->setEnabled(selected);
    menu.addAction(QStringLiteral("粘贴"), QKeySequence::Paste, this, &TextBox::paste)->setEnabled(editable);
    menu.addAction(QStringLiteral("删除"), this, [this] { replaceSelection(QString()); })
        ->setEnabled(editable && selected);
    menu.addSeparator();
    menu.addAction(QStringLiteral("全选"), QKeySequence::SelectAll, this, &TextBox::selectAll)
        ->setEnabled(m_lines.size() > 0);
    menu.exec(event->globalPos());
}

} // namespace shrink4
