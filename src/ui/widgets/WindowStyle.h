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

// A button of the window: the form's light blue.
void styleButton(QAbstractButton* button);
// A button whose checked state is a selection (a dan button, a tab of the splice window):
// green while checked.
void styleToggle(QAbstractButton* button);
// A help button: red while the mouse is over it.
void styleHelpButton(QAbstractButton* button);
// A page tab bar: the visible page's tab green.
void styleTabBar(QTabBar* bar);
// Check boxes stand in dense grids: a narrow gap keeps each caption by its box.
void styleCheckBox(QCheckBox* box);

} // namespace shrink4
