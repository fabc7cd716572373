#pragma once
// The file dialogs of 打开方案 and 保存方案, and the save dialog every export shares. Each
// dialog starts in the folder it was last used in (remembered by its object name), the
// first time in the player's documents (文档).

#include <QString>
#include <QStringList>

class QWidget;

namespace shrink4 {

// Where a file dialog opens: the folder remembered for it, or the documents folder.
QString startFolder(const QString& remembered);

// The scheme to open, or empty when cancelled.
QString askSchemeToOpen(QWidget* parent);

struct SaveDialogSpec {
    QString caption;
    QString start;        // a file name (placed in the remembered folder) or a whole path
    QStringList filters;  // the first is chosen at first
    QStringList suffixes; // one per filter, added to a name typed without one
    QString objectName;
};

// A save dialog: the suffix of the chosen filter is added to a name typed without it
// before the dialog checks whether the file exists, so replacing one is always asked
// first. Empty when cancelled.
QString askSavePath(QWidget* parent, const SaveDialogSpec& spec);
QString askSavePath(QWidget* parent, const QString& caption, const QString& start, const QString& filter,
                    const QString& suffix, const QString& objectName);

// Where to save a scheme, pre-filled with `current` (a path) when there is one.
QString askSchemeSavePath(QWidget* parent, const QString& current = {});

} // namespace shrink4
