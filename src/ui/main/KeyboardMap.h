#pragma once
// The main window from the keyboard: its keys from the one table of keys, pages turned
// with Ctrl+Tab / Ctrl+PgDn, F6 between the conditions, the result and the prize check, and
// the focus where a player starts typing.

#include "ui/application/Shortcuts.h"
#include "ui/main/ConditionForm.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QAction;
class QMenu;
class QShortcut;
class QWidget;

namespace shrink4 {

// Gives `action` its keys from the table; the menu shows them.
void bindKeys(QAction* action, keys::Command command);
// A shortcut of `window` on the command's keys.
QShortcut* addShortcut(QWidget* window, keys::Command command, const std::function<void()>& run);

// 帮助 → 快捷键, before 关于.
void addShortcutsAction(QMenu* help, QWidget* window);

// The first condition box of a page.
QWidget* firstBoxOfPage(const ConditionForm& form, int page);

class KeyboardMap : public QObject {
    Q_OBJECT
public:
    // conditions holds every condition frame (the scrolling area).
    KeyboardMap(QWidget* window, const ConditionForm& form, const RunForm& run, QWidget* conditions);

    // F6 and Shift+F6: the conditions (where the focus last was in them), the result, the
    // prize check, round and round.
    void nextArea(int step);
    void turnPage(int step);

private:
    int areaOf(const QWidget* widget) const;
    QWidget* entryOf(int area) const;
    void orderTabs();

    const ConditionForm& m_form;
    const RunForm& m_run;
    QWidget* m_conditions;
    QPointer<QWidget> m_lastInConditions;
};

} // namespace shrink4
