#include "EditMenu.h"

#include "ui/main/KeyboardMap.h"
#include "ui/widgets/ToolWindows.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>
#include <QUndoView>
#include <QVBoxLayout>

namespace shrink4 {

HistoryListWindow::HistoryListWindow(QWidget* owner, QUndoStack* history)
    : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("Fundo_history"));
    setWindowTitle(QStringLiteral("历史"));
    auto* view = new QUndoView(history);
    view->setObjectName(QStringLiteral("undo_history_list"));
    view->setEmptyLabel(QStringLiteral("（开始时的条件）"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(view);
    resize(280, 360);
}

QMenu* addEditMenu(QMainWindow* window, QUndoStack* history, QMenu* before)
{
    auto* edit = new QMenu(QStringLiteral("编辑(&E)"), window);
    window->menuBar()->insertMenu(before ? before->menuAction() : nullptr, edit);
    QAction* undo = history->createUndoAction(edit, QStringLiteral("撤销"));
    undo->setObjectName(QStringLiteral("action_undo"));
    bindKeys(undo, keys::Command::Undo);
    QAction* redo = history->createRedoAction(edit, QStringLiteral("重做"));
    redo->setObjectName(QStringLiteral("action_redo"));
    bindKeys(redo, keys::Command::Redo);
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    QAction* list = edit->addAction(QStringLiteral("历史(&H)…"), window,
                                    [window, history] { showToolWindow<HistoryListWindow>(window, history); });
    list->setObjectName(QStringLiteral("action_undo_history"));
    return edit;
}

} // namespace shrink4
