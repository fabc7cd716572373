#pragma once
// What the window remembers between sessions, kept in the program's Settings: the
// window's place and size, how far its conditions were scrolled, the page shown, the
// folder each file dialog was last used in, the current scheme and the recent ones.

#include <QString>
#include <QStringList>

class QMainWindow;
class QScrollArea;
class QSplitter;
class QTabWidget;

namespace shrink4 {

inline constexpr int kMaxRecentSchemes = 8;

struct WindowParts {
    QMainWindow* window;
    QScrollArea* scroll;
    QSplitter* split; // the conditions and the result
    QTabWidget* pages;
};

void saveWindowState(const WindowParts& parts);
// Puts back the size and place (kept within the screen) now, and the scroll position
// once the window has been laid out.
void restoreWindowState(const WindowParts& parts);

// The folder a dialog (by its object name) was last used in; empty when none.
QString lastFolder(const QString& dialog);
void rememberFolder(const QString& dialog, const QString& filePath);

QString rememberedCurrentScheme();
void rememberCurrentScheme(const QString& path);

// Newest first, at most kMaxRecentSchemes.
QStringList recentSchemes();
void addRecentScheme(const QString& path);
void removeRecentScheme(const QString& path);
// path moved to the front of list, which is then cut to kMaxRecentSchemes.
QStringList withRecent(QStringList list, const QString& path);

} // namespace shrink4
