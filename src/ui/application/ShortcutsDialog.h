#pragma once
// 帮助 → 快捷键: every key of the window in a table, from the one table of keys.

#include <QDialog>

namespace shrink4 {

class ShortcutsDialog : public QDialog {
    Q_OBJECT
public:
    explicit ShortcutsDialog(QWidget* parent = nullptr);
};

} // namespace shrink4
