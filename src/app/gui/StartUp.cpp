#include "StartUp.h"

#include "HomeInUse.h"
#include "QuitOnSignal.h"
#include "SingleInstance.h"

#include "ui/application/AppSetup.h"
#include "ui/application/DrawsFile.h"
#include "ui/application/KeepNothing.h"
#include "ui/application/SessionFile.h"
#include "ui/application/Settings.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/ToolWindows.h"

#include "Shrink4Version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>

namespace shrink4 {

namespace {

// The installed desktop entry, and the icon built in: the same picture as the installed one,
// without a search through the icon theme at each start.
void setIdentity()
{
    QApplication::setApplicationVersion(QLatin1String(kVersion));
    QGuiApplication::setDesktopFileName(QLatin1String(kAppId));
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/shrink4/icon/%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
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

// Over the player's other windows, with the scheme a later start was given (if any).
void comeForward(MainWindow* window, const QString& scheme)
{
    bringForward(window);
    if (!scheme.isEmpty())
        window->openScheme(scheme);
}

std::unique_ptr<MainWindow> openWindow(const QString& scheme)
{
    // Before anything reads the settings: an oversized file would be read whole.
    const QString settingsProblem = setAsideOversizedSettings();
    auto window = std::make_unique<MainWindow>();
    window->setSessionFile(defaultSessionPath());
    window->setDrawsFile(defaultDrawsPath());
    window->restoreSettings();
    window->show();
    quitOnSignals(window.get());
    if (!settingsProblem.isEmpty())
        QTimer::singleShot(0, window.get(), [w = window.get(), settingsProblem] {
            QMessageBox::warning(w, QStringLiteral("设置未能读取"), settingsProblem, QMessageBox::Ok);
        });
    // A scheme named on the command line replaces the conditions kept from last time. It is
    // opened once the window is up, so a failure is reported over a painted window.
    if (!scheme.isEmpty())
        QTimer::singleShot(0, window.get(), [w = window.get(), scheme] { w->openScheme(scheme); });
    return window;
}

// Whether this start goes on to open a window, and which.
enum class Opening { Holding, KeepingNothing, None };

// Until this start holds the folder, or hands its scheme over, or the player chooses:
// while a live window may hold the folder, no window that writes it is opened.
Opening settle(SingleInstance& instance, const QString& scheme, const QString& folder)
{
    for (;;) {
        const SingleInstance::Claim claim = instance.claim(scheme);
        if (claim == SingleInstance::Claim::Held)
            return Opening::Holding;
        if (claim == SingleInstance::Claim::HandedOver)
            return Opening::None;
        const HomeInUseAnswer answer =
            askHomeInUse(claim == SingleInstance::Claim::Unanswered ? unansweredHome() : unwritableHome(folder));
        if (answer != HomeInUseAnswer::TryAgain)
            return answer == HomeInUseAnswer::KeepNothing ? Opening::KeepingNothing : Opening::None;
    }
}

} // namespace

std::unique_ptr<MainWindow> startMainWindow(const QStringList& arguments)
{
    // Before the command line is read, so that even --help speaks Chinese, and before any
    // setting or data path is asked for, so that they land in the program's own folders.
    setUpApplication();
    setIdentity();
    const QString scheme = schemeArgument(arguments);
    // Before the window reads the session, which a window already open may be editing.
    const QString folder = QFileInfo(defaultSessionPath()).absolutePath();
    auto instance = std::make_unique<SingleInstance>(folder);
    const Opening opening = settle(*instance, scheme, folder);
    if (opening == Opening::None)
        return nullptr;
    if (opening == Opening::KeepingNothing) {
        keepNothing(); // before the window: it reads the mode as it builds its title
        return openWindow(scheme);
    }
    auto window = openWindow(scheme);
    instance->onCalled([w = window.get()](const QString& called) { comeForward(w, called); });
    instance.release()->setParent(window.get()); // the folder stays held while the window lives
    return window;
}

} // namespace shrink4
