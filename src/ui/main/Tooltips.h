#pragma once
// One line for every condition frame and button of the main window saying what it does,
// kept as data here and put on the widgets once they are built.

namespace shrink4 {

struct ConditionForm;
struct RunForm;

void addTooltips(const ConditionForm& form, const RunForm& run);

} // namespace shrink4
