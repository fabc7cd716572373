#include "EditHistory.h"

#include <utility>

namespace shrink4 {

bool EditHistory::record(int position, QString removed, int insertedLength, int anchorBefore, int cursorBefore,
                         EditKind kind)
{
    for (const HistoryStep& step : m_redo)
        m_size -= step.text.size();
    m_redo.clear();
    HistoryStep step{position, std::move(removed), insertedLength, anchorBefore, cursorBefore, kind};
    m_size += step.text.size();
    const bool own = std::exchange(m_sealed, false) || !merge(step);
    if (own)
        m_undo.push_back(std::move(step));
    trim(m_undo);
    return own;
}

// Joins an edit to the run the last step began: typing on at its end, Backspace just
// before it, Delete where it stands.
bool EditHistory::merge(const HistoryStep& step)
{
    if (m_undo.empty() || m_undo.back().kind != step.kind)
        return false;
    HistoryStep& last = m_undo.back();
    switch (step.kind) {
    case EditKind::Typing:
        if (!step.text.isEmpty() || step.position != last.position + last.length)
            return false;
        last.length += step.length;
        return true;
    case EditKind::Backspace:
        if (step.length != 0 || step.position + step.text.size() != last.position)
            return false;
        last.position = step.position;
        last.text.prepend(step.text);
        return true;
    case EditKind::Delete:
        if (step.length != 0 || step.position != last.position)
            return false;
        last.text += step.text;
        return true;
    case EditKind::Other:
        break;
    }
    return false;
}

void EditHistory::clear()
{
    m_undo.clear();
    m_redo.clear();
    m_size = 0;
    m_sealed = false;
}

HistoryStep EditHistory::takeUndo(const QString& text)
{
    m_sealed = true; // typing after an undo does not join the step before it
    return take(m_undo, m_redo, text);
}

HistoryStep EditHistory::takeRedo(const QString& text)
{
    m_sealed = true;
    return take(m_redo, m_undo, text);
}

// Moves the last step of `from` to `to` as its reverse: what the step takes away from
// the text is what the reverse puts back.
HistoryStep EditHistory::take(std::deque<HistoryStep>& from, std::deque<HistoryStep>& to, const QString& text)
{
    HistoryStep step = std::move(from.back());
    from.pop_back();
    HistoryStep reverse = step;
    reverse.text = text.mid(step.position, step.length);
    reverse.length = int(step.text.size());
    m_size += reverse.text.size() - step.text.size();
    to.push_back(std::move(reverse));
    trim(to);
    return step;
}

// Drops the steps farthest from the present text, the oldest undo steps or the furthest
// redo steps, each once the steps nearer the present hold the whole budget. So the text
// kept stays below the budget and one step, and a step larger than the budget, the clear
// of a full box say, can be taken back until later edits fill the budget. The newest
// step of `newest`, the edit just made or taken back, always stays.
void EditHistory::trim(const std::deque<HistoryStep>& newest)
{
    for (;;) {
        const bool undoDroppable = m_undo.size() > (&newest == &m_undo ? 1U : 0U);
        const bool redoDroppable = m_redo.size() > (&newest == &m_redo ? 1U : 0U);
        if (!undoDroppable && !redoDroppable)
            return;
        // Of two steps as far from the present, the older goes.
        std::deque<HistoryStep>& farthest =
            undoDroppable && (!redoDroppable || m_undo.size() >= m_redo.size()) ? m_undo : m_redo;
        if (m_size - farthest.front().text.size() < m_budget)
            return;
        m_size -= farthest.front().text.size();
        farthest.pop_front();
    }
}

} // namespace shrink4
