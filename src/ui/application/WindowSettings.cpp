#include "WindowSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QPoint>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTabWidget>
#include <QTimer>

namespace shrink4 {

namespace {

const QString kGeometry = QStringLiteral("window/geometry");
const QString kScroll = QStringLiteral("window/scroll");
const QString kPage = QStringLiteral("window/page");
const QString kCurrentScheme = QStringLiteral("schemes/current");
const QString kRecentSchemes = QStringLiteral("schemes/recent");

QString folderKey(const QString& dialog)
{
    return QStringLiteral("folders/") + dialog;
}

void saveRecent(const QStringList& list)
{
    QSettings().setValue(kRecentSchemes, list);
}

} // namespace

void saveWindowState(const WindowParts& parts)
{
    QSettings settings;
    settings.setValue(kGeometry, parts.window->saveGeometry());
    settings.setValue(kScroll, QPoint(parts.scroll->horizontalScrollBar()->value(),
                                      parts.scroll->verticalScrollBar()->value()));
    settings.setValue(kPage, parts.pages->currentIndex());
}

void restoreWindowState(const WindowParts& parts)
{
    const QSettings settings;
    // Qt keeps a restored window on a screen it fits, even when the screens changed.
    parts.window->restoreGeometry(settings.value(kGeometry).toByteArray());
    parts.pages->setCurrentIndex(settings.value(kPage, 0).toInt());
    const QPoint scroll = settings.value(kScroll).toPoint();
    // The scroll bars have their ranges once the shown window is laid out.
    QTimer::singleShot(0, parts.scroll, [area = parts.scroll, scroll] {
        area->horizontalScrollBar()->setValue(scroll.x());
        area->verticalScrollBar()->setValue(scroll.y());
    });
}

QString lastFolder(const QString& dialog)
{
    const QString folder = QSettings().value(folderKey(dialog)).toString();
    return QFileInfo(folder).isDir() ? folder : QString();
}

void rememberFolder(const QString& dialog, const QString& filePath)
{
    QSettings().setValue(folderKey(dialog), QFileInfo(filePath).absolutePath());
}

QString rememberedCurrentScheme()
{
    return QSettings().value(kCurrentScheme).toString();
}

void rememberCurrentScheme(const QString& path)
{
    QSettings().setValue(kCurrentScheme, path);
}

QStringList recentSchemes()
{
    return QSettings().value(kRecentSchemes).toStringList().mid(0, kMaxRecentSchemes);
}

QStringList withRecent(QStringList list, const QString& path)
{
    list.removeAll(path);
    list.prepend(path);
    return list.mid(0, kMaxRecentSchemes);
}

void addRecentScheme(const QString& path)
{
    saveRecent(withRecent(recentSchemes(), QFileInfo(path).absoluteFilePath()));
}

void removeRecentScheme(const QString& path)
{
    QStringList list = recentSchemes();
    list.removeAll(path);
    saveRecent(list);
}

} // namespace shrink4
