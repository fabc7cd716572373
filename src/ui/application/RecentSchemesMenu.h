#pragma once
// 最近方案: the schemes last opened or saved, newest first, rebuilt each time it opens.

#include <QMenu>

namespace shrink4 {

class RecentSchemesMenu : public QMenu {
    Q_OBJECT
public:
    explicit RecentSchemesMenu(QWidget* parent = nullptr);

    // Fills the menu from the remembered list (also done as it opens).
    void refresh();

signals:
    void chosen(const QString& path);
};

} // namespace shrink4
