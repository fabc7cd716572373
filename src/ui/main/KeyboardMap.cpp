#include "KeyboardMap.h"

#include "ui/application/ShortcutsDialog.h"
#include "ui/main/PagedConditions.h"
#include "ui/main/ResultFind.h"
#include "ui/widgets/textbox/LineBox.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

namespace shrink4 {

namespace {

enum Area { Conditions, Result, PrizeCheck, kAreas };

bool within(const QWidget* widget, const QWidget* area)
{
    return widget && area && (widget == area || area->isAncestorOf(widget));
}

} // namespace

void bindKeys(QAction* action, keys::Command command)
{
    action->setShortcuts(keys::keysOf(command));
}

QShortcut* addShortcut(QWidget* window, keys::Command command, const std::function<void()>& run)
{
    auto* shortcut = new QShortcut(window);
    shortcut->setKeys(keys::keysOf(command));
    QObject::connect(shortcut, &QShortcut::activated, window, run);
    return shortcut;
}

void addShortcutsAction(QMenu* help, QWidget* window)
{
    auto* table = new QAction(QStringLiteral("快捷键(&K)"), help);
    table->setObjectName(QStringLiteral("action_shortcuts"));
    QObject::connect(table, &QAction::triggered, window, [window] { ShortcutsDialog(window).exec(); });
    help->insertAction(help->actions().constLast(), table);
}

QWidget* firstBoxOfPage(const ConditionForm& form, int page)
{
    for (const ControlMeta& meta : kControlMetas)
        if (meta.page == page)
            return form[meta.id].texts.front();
    return nullptr;
}

KeyboardMap::KeyboardMap(QWidget* window, const ConditionForm& form, const RunForm& run, QWidget* conditions)
    : QObject(window),
      m_form(form),
      m_run(run),
      m_conditions(conditions)
{
    using keys::Command;
    addShortcut(window, Command::NextArea, [this] { nextArea(1); });
    addShortcut(window, Command::PreviousArea, [this] { nextArea(-1); });
    addShortcut(window, Command::NextPage, [this] { turnPage(1); });
    addShortcut(window, Command::PreviousPage, [this] { turnPage(-1); });
    addShortcut(window, Command::FindInResult, [this] { m_run.find->open(); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (within(now, m_conditions))
            m_lastInConditions = now;
    });
    orderTabs();
}

int KeyboardMap::areaOf(const QWidget* widget) const
{
    if (within(widget, m_run.results) || within(widget, m_run.find))
        return Result;
    if (within(widget, m_run.prizeBox))
        return PrizeCheck;
    return Conditions;
}

QWidget* KeyboardMap::entryOf(int area) const
{
    switch (area) {
    case Result:
        return m_run.results;
    case PrizeCheck:
        return m_run.prizeBox;
    default:
        if (m_lastInConditions && m_lastInConditions->isVisibleTo(m_conditions))
            return m_lastInConditions;
        return firstBoxOfPage(m_form, m_form.pages->currentPage());
    }
}

void KeyboardMap::nextArea(int step)
{
    const QWidget* focus = QApplication::focusWidget();
    // From a button of the result column, F6 starts over at the conditions.
    const int from = within(focus, m_conditions) || areaOf(focus) != Conditions ? areaOf(focus) : kAreas - 1;
    QWidget* entry = entryOf((from + step + kAreas) % kAreas);
    entry->setFocus(Qt::ShortcutFocusReason);
}

void KeyboardMap::turnPage(int step)
{
    PagedConditions* pages = m_form.pages;
    const bool focusOnPages = within(QApplication::focusWidget(), pages);
    pages->showPage((pages->currentPage() + step + pages->count()) % pages->count());
    // Typing goes on in the page turned to; elsewhere the focus stays where it is.
    if (focusOnPages)
        firstBoxOfPage(m_form, pages->currentPage())->setFocus(Qt::ShortcutFocusReason);
}

// The conditions are read column by column, each top to bottom; then the result column.
// The widgets are made in that order, so Tab already follows it within the conditions;
// the result column is joined in the order its frames are read.
void KeyboardMap::orderTabs()
{
    QWidget* const column[] = {m_run.start,   m_run.find->edit(), m_run.results, m_run.prizeBox,   m_run.copy,
                               m_run.convert, m_run.clearAll,     m_run.setTool, m_run.spliceTool, m_run.exportResult};
    for (std::size_t i = 1; i < std::size(column); ++i)
        QWidget::setTabOrder(column[i - 1], column[i]);
}

} // namespace shrink4
