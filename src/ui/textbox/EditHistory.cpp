#include "EditHistory.h"

#include <utility>

namespace shrink4 {

void EditHistory::record(TextEdit edit)
{
    m_redo.clear();
    if (edit.typed && !m_undo.empty()) {
        TextEdit& last = m_undo.back();
        if (last.typed && edit.removed.isEmpty() && edit.position == last.position + last.inserted.size()) {
            last.inserted += edit.inserted;
            return;
        }
    }
    m_undo.push_back(std::move(edit));
}

void EditHistory::clear()
{
    m_undo.clear();
    m_redo.clear();
}

TextEdit EditHistory::takeUndo()
{
    TextEdit edit = std::move(m_undo.back());
    m_undo.pop_back();
    m_redo.push_back(edit);
    return edit;
}

TextEdit EditHistory::takeRedo()
{
    TextEdit edit = std::move(m_redo.back());
    m_redo.pop_back();
    m_undo.push_back(edit);
    return edit;
}

} // namespace shrink4
