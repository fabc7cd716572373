#pragma once
class QWidget;

namespace shrink4 {

// Shows the tool window without blocking the main window; one instance, brought forward
// when it is already open.
void showSetTool(QWidget* mainWindow);

} // namespace shrink4
