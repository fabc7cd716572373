#pragma once
// The tool windows (统计, 历史回测, 交集, 拼接) open beside the main window without
// blocking it. Each is made on first use as a child of the main window, one of each kind,
// and closing only hides it, so that it reopens as it was left. Each opens where and as
// large as it was last left, within the screen, and in front of the main window.

#include <QWidget>

#include <utility>

namespace shrink4 {

// Un-minimises, shows, raises and activates window.
void bringForward(QWidget* window);

// Puts a new tool window where it was last left (by its object name), or else centred
// over owner; within the screen either way. Its place is kept whenever it is hidden and
// when the program ends.
void placeToolWindow(QWidget* window, const QWidget* owner);

// The owner's tool window of type W, made as W(owner, args...) when there is none yet,
// brought forward.
template <class W, class... Args>
W* showToolWindow(QWidget* owner, Args&&... args)
{
    auto* window = owner->findChild<W*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new W(owner, std::forward<Args>(args)...);
        placeToolWindow(window, owner);
    }
    bringForward(window);
    return window;
}

} // namespace shrink4
