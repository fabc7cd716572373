// The least a Qt window costs on the same screen: Qt Widgets with the window's font, a
// menu bar, one check box and one line of Chinese, filling the screen as the main window
// does. bench/idle-memory.sh measures it beside shrink4, so the idle figure of the real
// window can be read against what Qt itself holds on this machine.

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QVBoxLayout>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("四星缩水 空窗口"));
    window.menuBar()->addMenu(QStringLiteral("方案(&F)"));
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->addWidget(new QCheckBox(QStringLiteral("杀和值")));
    column->addWidget(new QLabel(QStringLiteral("先在左边填条件，再按 F5 缩水；不懂点 F1")));
    column->addStretch(1);
    window.setCentralWidget(page);
    window.showMaximized();
    return app.exec();
}
