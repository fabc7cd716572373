#pragma once
// 关于: the version, the licence, and where the program keeps the player's data and
// settings, so that they can be found, backed up or removed.

#include <QDialog>
#include <QList>
#include <QString>

class QMainWindow;
class QMenu;

namespace shrink4 {

struct AboutLine {
    QString caption;
    QString text;
    QString note;                // a sentence below the text
    bool isFolderOrFile = false; // the text is shown as a link that opens it
};

// The dialog's lines, in order: read when the dialog opens, so they name the folders of
// this run (the settings file depends on the application's names).
QList<AboutLine> aboutLines();

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

// Adds 帮助 → 关于 to the window's menu bar; returns the 帮助 menu.
QMenu* addHelpMenu(QMainWindow* window);

} // namespace shrink4
