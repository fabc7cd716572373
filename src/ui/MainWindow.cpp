#include "MainWindow.h"

namespace shrink4 {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Fmain"));
    setWindowTitle(QStringLiteral("四星缩水"));
}

} // namespace shrink4
