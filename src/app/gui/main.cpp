#include "ui/AppSetup.h"
#include "ui/DrawsFile.h"
#include "ui/MainWindow.h"
#include "ui/SessionFile.h"

#include "Shrink4Version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QTimer>

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
#include <QIcon>

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("四星缩水：按条件缩减四位数号码。"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("启动时打开的方案文件（.json）。"),
                                 QStringLiteral("[FILE]"));
    parser.process(app);

    shrink4::MainWindow window;
    window.setSessionFile(shrink4::defaultSessionPath());
#include "ui/AppSetup.h"
#include "ui/DrawsFile.h"
    window.show();
    // A scheme named on the command line replaces the conditions kept from last time. It is
    // opened once the window is up, so a failure is reported over a painted window.
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty())
        QTimer::singleShot(0, &window, [&window, file = files.first()] { window.openScheme(file); });
    return app.exec();
}
