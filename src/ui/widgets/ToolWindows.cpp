#include "ToolWindows.h"

#include "ui/application/Settings.h"
#include "ui/widgets/ScreenFit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QShortcut>

namespace shrink4 {

namespace {

void keepPlace(const QWidget* window)
{
    Settings().setToolWindowGeometry(window->objectName(), window->saveGeometry());
}

// Keeps the window's place each time it is hidden: closing a tool window only hides it.
class PlaceKeeper : public QObject {
public:
    explicit PlaceKeeper(QWidget* window)
        : QObject(window)
    {
        window->installEventFilter(this);
        // The program may end with the window still open.
        connect(qApp, &QCoreApplication::aboutToQuit, this, [window] {
            if (window->isVisible())
                keepPlace(window);
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && !event->spontaneous())
            keepPlace(static_cast<QWidget*>(watched));
        return QObject::eventFilter(watched, event);
    }
};

// Centred over the owner, moved as little as keeps it on the owner's screen.
void centreOver(QWidget* window, const QWidget* owner)
{
    QRect place(QPoint(), window->size());
    place.moveCenter(owner->frameGeometry().center());
    if (const QScreen* screen = owner->screen()) {
        const QRect room = screen->availableGeometry();
        place.moveLeft(std::clamp(place.left(), room.left(), std::max(room.left(), room.right() - place.width())));
        place.moveTop(std::clamp(place.top(), room.top(), std::max(room.top(), room.bottom() - place.height())));
    }
    window->move(place.topLeft());
}

} // namespace

void bringForward(QWidget* window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void placeToolWindow(QWidget* window, const QWidget* owner)
{
    new PlaceKeeper(window);
    // Esc closes a tool window as it closes a dialog; it only hides, so nothing is lost.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), window, window, &QWidget::close);
    close->setContext(Qt::WindowShortcut);
    // Qt keeps a restored window on a screen it fits, even when the screens changed.
    if (window->restoreGeometry(Settings().toolWindowGeometry(window->objectName())))
        return;
    window->resize(fittedWindowSize(window, window->size()));
    centreOver(window, owner);
}

} // namespace shrink4
