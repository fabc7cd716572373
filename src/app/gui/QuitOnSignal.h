#pragma once
// A shutdown, a logout or `kill` ends the program the way closing its window does, so the
// conditions edited since the last run are kept.

namespace shrink4 {

class MainWindow;

// From now on SIGTERM and SIGHUP close window (which saves what its closing saves) and
// end the event loop with status 0. Call once, with the main window.
void quitOnSignals(MainWindow* window);

} // namespace shrink4
