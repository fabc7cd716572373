#include "cli/StandardStreams.h"

#include <QtGlobal>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#endif

namespace shrink4::cli {

#ifdef Q_OS_WIN
// Windows gives a program no descriptor numbers to reuse and no SIGPIPE.
void guardStandardStreams() {}
#else
namespace {

bool isClosed(int fd)
{
    return ::fcntl(fd, F_GETFD) == -1 && errno == EBADF;
}

// open() takes the lowest free descriptor, which is fd itself when it is closed. The
// placeholder is opened the wrong way round so every use of it fails.
void holdClosed(int fd, int wrongWay)
{
    if (isClosed(fd)) {
        const int held = ::open("/dev/null", wrongWay | O_CLOEXEC);
        if (held != fd && held >= 0)
            ::close(held);
    }
}

} // namespace

void guardStandardStreams()
{
    holdClosed(STDIN_FILENO, O_WRONLY);
    holdClosed(STDOUT_FILENO, O_RDONLY);
    holdClosed(STDERR_FILENO, O_RDONLY);
    std::signal(SIGPIPE, SIG_IGN);
}

#endif

} // namespace shrink4::cli
