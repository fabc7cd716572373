#include "ui/AppSetup.h"
#include "ui/MainWindow.h"
#include "ui/SessionFile.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    shrink4::setUpApplication();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("四星缩水：按条件缩减四位数号码。"));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("启动时打开的方案文件（.json）。"),
                                 QStringLiteral("[FILE]"));
    parser.process(app);

    shrink4::MainWindow window;
    window.setSessionFile(shrink4::defaultSessionPath());
    window.restoreSettings();
    window.show();
    // A scheme named on the command line replaces the conditions kept from last time. It is
    // opened once the window is up, so a failure is reported over a painted window.
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty())
        QTimer::singleShot(0, &window, [&window, file = files.first()] { window.openScheme(file); });
    return app.exec();
}
