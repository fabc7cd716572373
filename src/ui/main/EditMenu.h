#pragma once
// 编辑: undo and redo of the window's condition history, named after the step they take,
// and the whole history as a list on demand.

#include <QWidget>

class QMainWindow;
class QMenu;
class QUndoStack;

namespace shrink4 {

// 历史: every step of the history, the current one selected; a click goes back or forward
// to it.
class HistoryListWindow : public QWidget {
    Q_OBJECT
public:
    HistoryListWindow(QWidget* owner, QUndoStack* history);
};

// Adds 编辑 to window's menu bar, before the menu `before` (at the end when null).
QMenu* addEditMenu(QMainWindow* window, QUndoStack* history, QMenu* before);

} // namespace shrink4
