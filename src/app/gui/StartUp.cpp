#include "StartUp.h"

#include "ui/AppSetup.h"
#include "ui/DrawsFile.h"
#include "ui/MainWindow.h"
#include "ui/SessionFile.h"

#include "Shrink4Version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>

namespace shrink4 {

namespace {

// The installed desktop entry and icon; run from the build folder, the icon built in.
void setIdentity()
{
    QApplication::setApplicationVersion(QLatin1String(kVersion));
    QGuiApplication::setDesktopFileName(QLatin1String(kAppId));
    QApplication::setWindowIcon(QIcon::fromTheme(QLatin1String(kAppId), QIcon(QStringLiteral(":/shrink4/icon.png"))));
}

// The scheme named on the command line, if any. --help and --version answer and exit.
QString schemeArgument(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("四星缩水：按条件缩减四位数号码。"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("启动时打开的方案文件（.json）。"),
                                 QStringLiteral("[FILE]"));
    parser.process(arguments);
    const QStringList files = parser.positionalArguments();
    // Absolute: it is remembered as the current scheme, and the next start may be elsewhere.
    return files.isEmpty() ? QString() : QFileInfo(files.first()).absoluteFilePath();
}

} // namespace

std::unique_ptr<MainWindow> startMainWindow(const QStringList& arguments)
{
    // Before the command line is read, so that even --help speaks Chinese, and before any
    // setting or data path is asked for, so that they land in the program's own folders.
    setUpApplication();
    setIdentity();
    const QString scheme = schemeArgument(arguments);

    auto window = std::make_unique<MainWindow>();
    window->setSessionFile(defaultSessionPath());
    window->setDrawsFile(defaultDrawsPath());
    window->restoreSettings();
    window->show();
    // A scheme named on the command line replaces the conditions kept from last time. It is
    // opened once the window is up, so a failure is reported over a painted window.
    if (!scheme.isEmpty())
        QTimer::singleShot(0, window.get(), [w = window.get(), scheme] { w->openScheme(scheme); });
    return window;
}

} // namespace shrink4
