#include "ui/DrawsFile.h"
#include "ui/MainWindow.h"
#include "ui/SessionFile.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("shrink4"));
    QApplication::setApplicationDisplayName(QStringLiteral("四星缩水"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("四星缩水: shrink four-digit number sets by conditions"));
    parser.addHelpOption();
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
