#pragma once
// Undo and redo for a text box. A step keeps only the text that is no longer in the box:
// what an edit removed waits for undo, what undo removed waits for redo. Typing one
// character after another at the same place is one step, and so is a run of Backspaces
// or of Deletes. The steps' text is held to a budget, the oldest steps going first.

#include <QString>

#include <deque>

namespace shrink4 {

enum class EditKind { Other, Typing, Backspace, Delete };

// Taking a step: `length` characters at `position` give way to `text`.
struct HistoryStep {
    int position = 0;
    QString text;
    int length = 0;
    int anchorBefore = 0; // the selection before the edit, restored by undo
    int cursorBefore = 0;
    EditKind kind = EditKind::Other;
};

class EditHistory {
public:
    // 32 MB of text: three replacements of a list of a million numbers can be taken
    // back, and typing without end. Older steps go (see trim()).
    static constexpr qsizetype kDefaultBudget = 16 << 20; // characters, two bytes each

    explicit EditHistory(qsizetype budget = kDefaultBudget)
        : m_budget(budget)
    {
    }

    // Records an edit as the step that undoes it: `removed` was at `position`, and
    // `insertedLength` characters stand there now.
    // True when the edit became a step of its own, false when it joined the last one.
    bool record(int position, QString removed, int insertedLength, int anchorBefore, int cursorBefore, EditKind kind);
    void clear();
    // The next edit starts a step of its own, however it follows the last one.
    void seal() { m_sealed = true; }
    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    // The step to take on `text`, the box's text; what it takes away is kept for the
    // way back.
    HistoryStep takeUndo(const QString& text);
    HistoryStep takeRedo(const QString& text);
    // The characters the steps hold.
    qsizetype size() const { return m_size; }

private:
    bool merge(const HistoryStep& step);
    HistoryStep take(std::deque<HistoryStep>& from, std::deque<HistoryStep>& to, const QString& text);
    void trim(const std::deque<HistoryStep>& newest);

    qsizetype m_budget;
    qsizetype m_size = 0;
    bool m_sealed = false;
    std::deque<HistoryStep> m_undo;
    std::deque<HistoryStep> m_redo;
};

} // namespace shrink4
