#pragma once
// Keeping the main window within the screen: its contents scroll when the screen (or
// its scaling) leaves too little room, and it never opens larger than the screen.

#include <QSize>

class QScrollArea;
class QWidget;

namespace shrink4 {

// A frameless area that shows content at its full size when there is room and scrolls
// it otherwise.
QScrollArea* makeScrollingArea(QWidget* content);

// The size for a window that wants `wanted`, no larger than the available part of its
// screen (with room for a title bar). A dimension that has to scroll takes the scroll
// bar's room from the other one where the screen has it to spare.
// Whole: the window is the program's main one and takes the screen's room even where its
// contents want less, so that the result list has the height it can get.
enum class ScreenUse { Wanted, Whole };
QSize fittedWindowSize(const QWidget* window, QSize wanted, ScreenUse use = ScreenUse::Wanted);

} // namespace shrink4
