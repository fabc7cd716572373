#pragma once
// The look of the windows' buttons and check boxes. State lives in the widgets (checked,
// under the pointer); colours only show it. No style sheets: Qt keeps parsed rules and a
// style of its own for every widget that carries one.

#include <QString>

class QAbstractButton;
class QCheckBox;
class QStyle;

namespace shrink4 {

// A button whose checked state is a selection (a dan button, a tab of the splice window):
// in the palette's highlight with a thick edge while checked.
void styleToggle(QAbstractButton* button);
// A help button: in the palette's highlight while the mouse is over it.
void styleHelpButton(QAbstractButton* button);
// Check boxes stand in dense grids: a narrow gap keeps each caption by its box.
void styleCheckBox(QCheckBox* box);

} // namespace shrink4
