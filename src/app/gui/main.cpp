#include "ui/DrawsFile.h"
#include "ui/MainWindow.h"
#include "ui/SessionFile.h"

#include "Shrink4Version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

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
    QApplication::setApplicationName(QStringLiteral("shrink4"));
    QApplication::setApplicationDisplayName(QStringLiteral("四星缩水"));
    QApplication::setApplicationVersion(QLatin1String(shrink4::kVersion));
    // The installed desktop entry and icon; run from the build folder, the icon built in.
    QGuiApplication::setDesktopFileName(QLatin1String(shrink4::kAppId));
    QApplication::setWindowIcon(
        QIcon::fromTheme(QLatin1String(shrink4::kAppId), QIcon(QStringLiteral(":/shrink4/icon.png"))));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("四星缩水: shrink four-digit number sets by conditions"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A scheme (.json) to open at start-up."),
                                 QStringLiteral("[FILE]"));
    parser.process(app);

    // Qt's own words in its dialogs (such as asking before a file is replaced) in Chinese,
    // when Qt's translations are installed.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    shrink4::MainWindow window;
    window.setSessionFile(shrink4::defaultSessionPath());
    window.setDrawsFile(shrink4::defaultDrawsPath());
    window.show();
    // A scheme named on the command line replaces the conditions kept from last time. It is
    // opened once the window is up, so a failure is reported over a painted window.
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty())
        QTimer::singleShot(0, &window, [&window, file = files.first()] { window.openScheme(file); });
    return app.exec();
}
