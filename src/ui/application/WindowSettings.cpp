#include "WindowSettings.h"

#include "ui/application/Settings.h"

#include <QFileInfo>
#include <QMainWindow>
#include <QPoint>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>

namespace shrink4 {

namespace {

// Kept whole, so that a scheme named from another folder still opens at the next start.
QString absolute(const QString& path)
{
    return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
}

} // namespace

void saveWindowState(const WindowParts& parts)
{
    Settings settings;
    settings.setWindowGeometry(parts.window->saveGeometry());
    settings.setResultSplit(parts.split->saveState());
    settings.setConditionsScroll(
        QPoint(parts.scroll->horizontalScrollBar()->value(), parts.scroll->verticalScrollBar()->value()));
    settings.setConditionsPage(parts.pages->currentIndex());
}

void restoreWindowState(const WindowParts& parts)
{
    const Settings settings;
    // Qt keeps a restored window on a screen it fits, even when the screens changed.
    parts.window->restoreGeometry(settings.windowGeometry());
    parts.split->restoreState(settings.resultSplit());
    parts.pages->setCurrentIndex(settings.conditionsPage());
    const QPoint scroll = settings.conditionsScroll();
    // The scroll bars have their ranges once the shown window is laid out.
    QTimer::singleShot(0, parts.scroll, [area = parts.scroll, scroll] {
        area->horizontalScrollBar()->setValue(scroll.x());
        area->verticalScrollBar()->setValue(scroll.y());
    });
}

QString lastFolder(const QString& dialog)
{
    const QString folder = Settings().dialogFolder(dialog);
    return QFileInfo(folder).isDir() ? folder : QString();
}

void rememberFolder(const QString& dialog, const QString& filePath)
{
    Settings().setDialogFolder(dialog, QFileInfo(filePath).absolutePath());
}

QString rememberedCurrentScheme()
{
    return Settings().currentScheme();
}

void rememberCurrentScheme(const QString& path)
{
    Settings().setCurrentScheme(absolute(path));
}

QStringList recentSchemes()
{
    return Settings().recentSchemes().mid(0, kMaxRecentSchemes);
}

QStringList withRecent(QStringList list, const QString& path)
{
    list.removeAll(path);
    list.prepend(path);
    return list.mid(0, kMaxRecentSchemes);
}

void addRecentScheme(const QString& path)
{
    Settings().setRecentSchemes(withRecent(recentSchemes(), absolute(path)));
}

void removeRecentScheme(const QString& path)
{
    QStringList list = recentSchemes();
    list.removeAll(path);
    Settings().setRecentSchemes(list);
}

} // namespace shrink4
