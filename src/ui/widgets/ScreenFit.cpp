#include "ScreenFit.h"

#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace shrink4 {

QScrollArea* makeScrollingArea(QWidget* content)
{
    auto* area = new QScrollArea;
    area->setObjectName(QStringLiteral("conditionScroll"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(content);
    return area;
}

QSize fittedWindowSize(const QWidget* window, QSize wanted, ScreenUse use)
{
    const QScreen* screen = window->screen();
    if (screen == nullptr)
        return wanted;
    // The frame is not known before the window is shown; leave room for a title bar and
    // the borders.
    const int titleBar = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    const int border = 2 * window->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, window) + 4;
    const QSize room = screen->availableGeometry().size() - QSize(border, titleBar + border);
    const int scrollBar = window->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, window);
    if (use == ScreenUse::Whole)
        wanted = wanted.expandedTo(room);
    if (wanted.width() > room.width())
        wanted.rheight() += scrollBar;
    if (wanted.height() > room.height())
        wanted.rwidth() += scrollBar;
    return wanted.boundedTo(room);
}

} // namespace shrink4
