#pragma once
// Reads and writes every condition control of the form as ConditionInputs, walking the
// condition table; and puts the conditions back to their cleared state.

#include "ui/main/ConditionForm.h"

#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QObject;

namespace shrink4 {

ConditionInputs readConditions(const ConditionForm& form);

// The conditions as they stand, taken in a moment on the window's thread: the boxes'
// texts are shared with the boxes, not converted. finishConditions converts them, on any
// thread, so that boxes of megabytes do not hold up the window.
struct ConditionSnapshot {
    struct Text {
        const ControlMeta* meta;
        QString shown;
        std::string* value;
    };
    std::unique_ptr<ConditionInputs> inputs = std::make_unique<ConditionInputs>();
    std::vector<Text> texts;
};
ConditionSnapshot snapshotConditions(const ConditionForm& form);
ConditionInputs finishConditions(ConditionSnapshot snapshot);
void writeConditions(const ConditionForm& form, const ConditionInputs& inputs);
// As writeConditions, but each box that changes takes it as an edit its undo takes back.
void editConditions(const ConditionForm& form, const ConditionInputs& inputs);

// Writes back the boxes a run rewrote, as edits the user can undo.
void writeBackTexts(const ConditionForm& form, const std::vector<std::pair<ControlId, std::string>>& texts);

// One control to its cleared state, as the table gives it; a box's clearing can be undone.
void clearControl(const ConditionForm& form, ControlId id);

// "清空所有条件": every control to its cleared state, but those the table keeps.
void clearAllConditions(const ConditionForm& form);

// Each control's own 清 button clears that control through `run` (given the control and
// the clearing), for as long as `context` lives.
void connectClearButtons(const ConditionForm& form, QObject* context,
                         const std::function<void(const ControlMeta&, const std::function<void()>&)>& run);

// Calls `changed` after every change of any condition control, typed or set, for as
// long as `context` lives.
void onConditionChange(const ConditionForm& form, QObject* context, const std::function<void()>& changed);

// Ticks or unticks boxes [first, first + count) of a check-box control.
void setChecks(const ControlWidgets& widgets, int first, int count, bool ticked);

// A check box's value as conditions read it: 0 unticked, 1 ticked, 2 greyed.
int checkValue(const QCheckBox* box);
void setCheckValue(QCheckBox* box, int value);

} // namespace shrink4
