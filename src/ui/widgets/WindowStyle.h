#pragma once
// The look of the windows' buttons, tabs and check boxes. State lives in the widgets
// (checked, the current tab); colours only show it. Style sheets go only where they are
// needed: a sheet over the whole window would make Qt keep style data for each of its
// five hundred widgets.

#include <QString>

class QAbstractButton;
class QCheckBox;
class QStyle;
class QTabBar;

namespace shrink4 {

// A button whose checked state is a selection (a dan button, a tab of the splice window):
// in the palette's highlight with a thick edge while checked.
void styleToggle(QAbstractButton* button);
// A help button: in the palette's highlight while the mouse is over it.
void styleHelpButton(QAbstractButton* button);
// A page tab bar: the visible page's tab on the base colour with a highlighted top edge.
void styleTabBar(QTabBar* bar);
// Check boxes stand in dense grids: a narrow gap keeps each caption by its box.
void styleCheckBox(QCheckBox* box);

} // namespace shrink4
