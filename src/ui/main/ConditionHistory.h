#pragma once
// The window's one undo history of the conditions. Every change of a condition control
// becomes a step as it happens: typing in a box (one step per box until a pause or a move
// elsewhere; the box's own undo steps are taken in turn, so the box and the window always
// agree), a check box, a button. Changes that touch many controls at once (a clear, opening
// a scheme) run inside group() and become one step under the name given.

#include "ui/main/ConditionForm.h"

#include <QHash>
#include <QObject>
#include <QTimer>

#include <functional>

class QCheckBox;
class QUndoCommand;
class QUndoStack;
class QWidget;

namespace shrink4 {

class TextStep;

class ConditionHistory : public QObject {
    Q_OBJECT
public:
    // What a group changes beside the controls (the result listed, the current scheme):
    // put back after the controls on undo, and made again after them on redo.
    struct SideEffects {
        std::function<void()> undo;
        std::function<void()> redo;
    };

    ConditionHistory(const ConditionForm& form, QObject* parent);

    QUndoStack* stack() const { return m_stack; }

    // Runs `change` as one step named `name`. A group that changes nothing and has no
    // side effects leaves no step. Returns whether a step was added.
    bool group(const QString& name, const std::function<void()>& change, SideEffects effects = {});
    // Runs `change` unrecorded and starts the history afresh (conditions loaded whole).
    void restart(const std::function<void()>& change);

    // Ends the typing step going, so that the next keystroke starts another.
    void closeTyping();

    // True while a step is being undone or redone: its changes are not new steps.
    bool applying() const { return m_applying > 0; }

private:
    friend class Applying;
    void watch(const ConditionForm& form);
    void textRecorded(TextBox* box, const QString& name, bool ownStep);
    void checkChanged(QCheckBox* box, const QString& name);
    void toggleChanged(QAbstractButton* button, const QString& name, bool checked);
    void add(QUndoCommand* step);
    bool recording() const { return m_applying == 0 && m_restarting == 0; }

    QUndoStack* m_stack;
    QUndoCommand* m_group = nullptr;
    TextStep* m_typing = nullptr; // the step typing goes on into, on top of the stack
    QTimer m_pause;
    QHash<QCheckBox*, int> m_checks; // each box's value, for the step that changes it
    int m_applying = 0;
    int m_restarting = 0;
};

} // namespace shrink4
