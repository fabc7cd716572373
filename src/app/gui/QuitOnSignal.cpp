#include "QuitOnSignal.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include "ui/main/MainWindow.h"

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace shrink4 {

namespace {

// Ctrl+C in a terminal too: a player who started the window there keeps what was typed.
constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The handler's end and the event loop's end of one socket pair.
int g_sockets[2] = {-1, -1};

// A signal may arrive anywhere: the handler only writes one byte (write is safe there) and
// leaves the rest to the event loop.
void onSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_sockets[0], &byte, 1);
    errno = savedErrno;
}

void setHandler(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART; // a read or write the signal interrupts carries on
    for (const int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
}

void drain(int socket)
{
    char bytes[16];
    while (::read(socket, bytes, sizeof bytes) > 0) {
    }
}

} // namespace

void quitOnSignals(MainWindow* window)
{
    // Both ends non-blocking: a burst of signals must not block the handler, nor the drain.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, g_sockets) != 0)
        return; // the signals keep ending the program at once, as without this
    auto* notifier = new QSocketNotifier(g_sockets[1], QSocketNotifier::Read, window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [window] {
        drain(g_sockets[1]);
        window->closeForShutdown(); // no question can be answered at a shutdown
        QCoreApplication::exit(0);  // even if something kept the window open
    });
    // Once the window is gone nothing reads the bytes: the signals end the program again.
    QObject::connect(notifier, &QObject::destroyed, [] { setHandler(SIG_DFL); });
    setHandler(onSignal);
}

} // namespace shrink4
