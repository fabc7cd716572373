#include "StartUp.h"

#include "scheme/ArgumentBytes.h"
#include "ui/main/MainWindow.h"

#include "Shrink4Version.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

namespace {

// Answered before the window's application starts, so that it works without a display
// (over ssh, in a package check).
bool asksVersion(int argc, char* argv[])
{
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i)
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-v") == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    if (asksVersion(argc, argv))
        return std::printf("shrink4 %s\n", shrink4::kVersion) > 0 && std::fflush(stdout) == 0 ? 0 : 1;
    QApplication app(argc, argv);
    std::unique_ptr<shrink4::MainWindow> window;
    try {
        // From argv, as the command line reads it: a file name need not be UTF-8.
        window = shrink4::startMainWindow(shrink4::argumentsOf(argc, argv));
        return window ? app.exec() : 0; // none: the window already open took this start over
    } catch (const std::bad_alloc&) {
        // The last resort: keep what the player typed, then say why the window went.
        if (window)
            window->closeForShutdown();
        std::fputs("shrink4: out of memory\n", stderr);
        QMessageBox::critical(nullptr, QStringLiteral("四星缩水"),
                              QStringLiteral("内存不足，四星缩水只好关闭。已输入的条件已尽量保存，下次启动时会恢复。"));
        return 2;
    }
}
