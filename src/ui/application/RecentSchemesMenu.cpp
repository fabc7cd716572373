#include "RecentSchemesMenu.h"

#include "ui/application/WindowSettings.h"
#include "ui/application/WindowTexts.h"

#include <QDir>
#include <QFileInfo>

namespace shrink4 {

RecentSchemesMenu::RecentSchemesMenu(QWidget* parent)
    : QMenu(texts::kRecentSchemesCaption + QStringLiteral("(&R)"), parent)
{
    setObjectName(QStringLiteral("menu_recent_schemes"));
    connect(this, &QMenu::aboutToShow, this, &RecentSchemesMenu::refresh);
    refresh();
}

void RecentSchemesMenu::refresh()
{
    clear();
    const QStringList paths = recentSchemes();
    int number = 0;
    for (const QString& path : paths) {
        // "&1 name" gives each entry a key; the full path shows as its tip.
        QAction* action = addAction(QStringLiteral("&%1 %2").arg(++number).arg(QFileInfo(path).fileName()));
        action->setData(path);
        action->setToolTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] { emit chosen(path); });
    }
    setToolTipsVisible(true);
    if (paths.isEmpty())
        addAction(QStringLiteral("（无）"))->setEnabled(false);
}

} // namespace shrink4
