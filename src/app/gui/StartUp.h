#pragma once
// Everything the program does before its first window, in one place: the program calls
// it from main() and the tests call it too, so the window they drive is the one a player
// gets.

#include <QStringList>

#include <memory>

namespace shrink4 {

class MainWindow;

// Names the application (which places its settings and data), installs Qt's Chinese
// texts, the icon and the desktop entry's name, reads the command line (arguments as
// QCoreApplication::arguments() gives them), and shows the main window with the kept
// session, the kept draws and the remembered size, page and current scheme. A scheme
// named on the command line is opened once the window is up. SIGTERM and SIGHUP then
// close the window as the player would. Needs a QApplication.
// None when a window already open on the same home took this start over (and its scheme),
// or when it did not answer and the player cancelled: the program then ends. While a live
// window holds the home, the window opened instead, if the player asks for one, keeps nothing.
std::unique_ptr<MainWindow> startMainWindow(const QStringList& arguments);

} // namespace shrink4
