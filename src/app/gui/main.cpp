#include "StartUp.h"

#include "ui/main/MainWindow.h"

#include "Shrink4Version.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

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
    const auto window = shrink4::startMainWindow(QApplication::arguments());
    return window ? app.exec() : 0; // none: the window already open took this start over
}
