#pragma once
// The look of the windows' buttons and tabs, as one style sheet: the light blue of a
// button, the green of a selected dan button or tab, the red of a help button under the
// mouse. State lives in the widgets (checked, current tab); the sheet only shows it.

#include <QString>

namespace shrink4 {

inline const QString kWindowStyle = QStringLiteral(
    "QPushButton { background-color: rgb(192, 192, 255); border: 1px solid rgb(120, 120, 180);"
    " border-radius: 2px; padding: 2px 6px; }"
    "QPushButton:hover { border-color: rgb(60, 60, 150); }"
    "QPushButton:pressed { background-color: rgb(160, 160, 230); }"
    "QPushButton:checked { background-color: rgb(0, 255, 0); }"
    "QPushButton:disabled { color: rgb(120, 120, 120); background-color: rgb(215, 215, 235); }"
    "QPushButton:focus { border-color: rgb(40, 40, 200); }"
    "QPushButton[help=\"true\"]:hover { background-color: rgb(255, 0, 0); }"
    "QTabBar::tab { background-color: rgb(192, 192, 255); border: 1px solid rgb(120, 120, 180);"
    " padding: 3px 6px; margin-right: 2px; }"
    "QTabBar::tab:selected { background-color: rgb(128, 255, 128); }"
    "QCheckBox { spacing: 2px; }");

} // namespace shrink4
