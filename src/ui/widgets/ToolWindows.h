#pragma once
// The tool windows (统计, 历史回测, 交集, 拼接) open beside the main window without
// blocking it. Each is made on first use as a child of the main window, one of each kind,
// and closing only hides it, so that it reopens as it was left.

#include <QWidget>

#include <utility>

namespace shrink4 {

// Un-minimises, shows, raises and activates window.
void bringForward(QWidget* window);

// The owner's tool window of type W, made as W(owner, args...) when there is none yet,
// brought forward.
template <class W, class... Args>
W* showToolWindow(QWidget* owner, Args&&... args)
{
    auto* window = owner->findChild<W*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new W(owner, std::forward<Args>(args)...);
    bringForward(window);
    return window;
}

} // namespace shrink4
