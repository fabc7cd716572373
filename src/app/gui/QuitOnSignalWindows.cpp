#include "QuitOnSignal.h"

#include "ui/main/MainWindow.h"

#include <QGuiApplication>
#include <QSessionManager>

namespace shrink4 {

// Windows has no SIGTERM or SIGHUP: a logout or shutdown asks the session manager, and
// Qt passes the question on as commitDataRequest.
void quitOnSignals(MainWindow* window)
{
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, window, [window](QSessionManager&) {
        window->closeForShutdown(); // no question can be answered at a shutdown
    });
}

} // namespace shrink4
