#include "ui/MainWindow.h"
#include "ui/SessionFile.h"

#include <QApplication>
#include <QCommandLineParser>

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

    shrink4::MainWindow window;
    window.setSessionFile(shrink4::defaultSessionPath());
    window.show();
    // A scheme named on the command line replaces the conditions kept from last time.
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty())
        window.openScheme(files.first());
    return app.exec();
}
