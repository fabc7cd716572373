#pragma once
// The file dialogs of 打开方案 and 保存方案, and the save dialog every export shares.

#include <QString>

class QWidget;

namespace shrink4 {

// The scheme to open, or empty when cancelled.
QString askSchemeToOpen(QWidget* parent);

// A save dialog: the suffix is added to a name typed without it before the dialog checks
// whether the file exists, so replacing one is always asked first. Empty when cancelled.
QString askSavePath(QWidget* parent, const QString& caption, const QString& start, const QString& filter,
                    const QString& suffix, const QString& objectName);

// Where to save, ".json" added to a name typed without it before the dialog checks
// whether the file exists, so replacing one is always asked first. Empty when cancelled.
QString askSchemeSavePath(QWidget* parent);

} // namespace shrink4
