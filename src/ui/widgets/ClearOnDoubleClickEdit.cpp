#include "ClearOnDoubleClickEdit.h"

namespace shrink4 {

void ClearOnDoubleClickEdit::mouseDoubleClickEvent(QMouseEvent* /*event*/)
{
    // Not passed on: a word selection would be pointless on a box that is now empty.
    // The clear is an edit like any other, so undo brings the text back.
    clear();
}

} // namespace shrink4
