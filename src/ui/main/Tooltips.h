#pragma once
// One line for every condition control, frame and button of the main window saying what it
// does, put on the widgets once they are built: a control's from its row of the condition
// table, the rest kept as data here.

namespace shrink4 {

struct ConditionForm;
struct RunForm;

void addTooltips(const ConditionForm& form, const RunForm& run);

} // namespace shrink4
