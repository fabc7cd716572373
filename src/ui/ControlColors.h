#pragma once
// The few colours the window's logic depends on. A dan button's background colour is
// the only store of its selection, so colour is read back from the button itself.

#include <QColor>

class QAbstractButton;

namespace shrink4 {

inline const QColor kIdleColor{192, 192, 255};     // the form's light blue, a normal button
inline const QColor kSelectedColor{0, 255, 0};     // a selected dan button
inline const QColor kActiveTabColor{128, 255, 128}; // the tab of the visible page
inline const QColor kHoverColor{255, 0, 0};        // a help button under the mouse

void setButtonColor(QAbstractButton* button, const QColor& color);
QColor buttonColor(const QAbstractButton* button);

} // namespace shrink4
