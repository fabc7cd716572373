#pragma once
// Undo and redo for a text box: each edit remembers what it replaced. Typing one
// character after another at the same place is one step.

#include <QString>

#include <vector>

namespace shrink4 {

struct TextEdit {
    int position = 0;
    QString removed;
    QString inserted;
    int anchorBefore = 0; // the selection before the edit, restored by undo
    int cursorBefore = 0;
    bool typed = false;
};

class EditHistory {
public:
    void record(TextEdit edit);
    void clear();
    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    TextEdit takeUndo();
    TextEdit takeRedo();

private:
    std::vector<TextEdit> m_undo;
    std::vector<TextEdit> m_redo;
};

} // namespace shrink4
