#include "ResultListActions.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QStringList>

#include <algorithm>

namespace shrink4 {

namespace {

// The selected lines in list order (the selection keeps the order of the clicks).
QString selectedLines(const QListWidget* list)
{
    QList<int> rows;
    for (const QListWidgetItem* item : list->selectedItems())
        rows << list->row(item);
    std::sort(rows.begin(), rows.end());
    QStringList lines;
    for (int row : rows)
        lines << list->item(row)->text();
    return lines.join(QStringLiteral("\r\n"));
}

QAction* addAction(QListWidget* list, const QString& caption, QKeySequence::StandardKey key)
{
    auto* action = new QAction(caption, list);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetShortcut);
    list->addAction(action);
    return action;
}

} // namespace

void addResultListActions(QListWidget* list)
{
    list->setContextMenuPolicy(Qt::ActionsContextMenu);
    QObject::connect(addAction(list, QStringLiteral("复制"), QKeySequence::Copy), &QAction::triggered, list, [list] {
        if (const QString text = selectedLines(list); !text.isEmpty())
            QApplication::clipboard()->setText(text);
    });
    QObject::connect(addAction(list, QStringLiteral("全选"), QKeySequence::SelectAll), &QAction::triggered, list,
                     &QListWidget::selectAll);
}

} // namespace shrink4
