// What a text box tells assistive technology of its edits and caret moves.

#include "ui/widgets/textbox/TextBox.h"
#include "ui/widgets/textbox/TextBoxAccessible.h"

#include <algorithm>

namespace shrink4 {

namespace {

// Edits longer than this are announced without their text: a ten-megabyte paste is not
// sent across to a screen reader, which asks the interface for what it wants to read.
constexpr int kToldLength = 4096;

} // namespace

void TextBoxAccessible::announceCaret(TextBox* box, int anchorBefore, int cursorBefore)
{
    if (!QAccessible::isActive())
        return;
    const int anchor = box->m_anchor;
    const int cursor = box->m_cursor;
    if ((anchor != anchorBefore || cursor != cursorBefore) && (anchor != cursor || anchorBefore != cursorBefore)) {
        QAccessibleTextSelectionEvent event(box, std::min(anchor, cursor), std::max(anchor, cursor));
        event.setCursorPosition(cursor);
        QAccessible::updateAccessibility(&event);
    }
    if (cursor != cursorBefore) {
        QAccessibleTextCursorEvent event(box, cursor);
        QAccessible::updateAccessibility(&event);
    }
}

void TextBoxAccessible::announceReadOnly(TextBox* box)
{
    if (!QAccessible::isActive())
        return;
    QAccessible::State changed;
    changed.readOnly = true;
    changed.editable = true;
    QAccessibleStateChangeEvent event(box, changed);
    QAccessible::updateAccessibility(&event);
}

EditNotice::EditNotice(const TextBox& box, int position, int removedLength)
    : m_listening(QAccessible::isActive()),
      m_position(position),
      m_removedLength(removedLength)
{
    if (m_listening && removedLength <= kToldLength)
        m_removed = box.toPlainText().mid(position, removedLength);
}

void EditNotice::send(TextBox* box, const QString& inserted) const
{
    if (!m_listening || (m_removedLength == 0 && inserted.isEmpty()))
        return;
    if (m_removedLength > kToldLength || inserted.size() > kToldLength) {
        QAccessibleTextUpdateEvent event(box, m_position, QString(), QString());
        event.setCursorPosition(box->cursorPosition());
        QAccessible::updateAccessibility(&event);
    } else if (m_removedLength == 0) {
        QAccessibleTextInsertEvent event(box, m_position, inserted);
        QAccessible::updateAccessibility(&event);
    } else if (inserted.isEmpty()) {
        QAccessibleTextRemoveEvent event(box, m_position, m_removed);
        QAccessible::updateAccessibility(&event);
    } else {
        QAccessibleTextUpdateEvent event(box, m_position, m_removed, inserted);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace shrink4
