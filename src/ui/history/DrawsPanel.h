#pragma once
// The history view's past draws: a box to paste or edit them, an import from a file, and
// the draws in force, kept between starts. A text with a bad line changes nothing; its
// bad lines are listed, and a click on one selects it in the box.

#include "engine/Draws.h"

#include <QTimer>
#include <QWidget>

#include <vector>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace shrink4 {

class TextBox;
class UndoNotice;

class DrawsPanel : public QWidget {
    Q_OBJECT
public:
    explicit DrawsPanel(QWidget* parent = nullptr);

    // Keeps the draws in `path` from now on, and puts back what it holds. Without a call
    // nothing is kept.
    void setKeptFile(const QString& path);

    // The draws in force, oldest first.
    const std::vector<Draw>& draws() const { return m_draws; }

signals:
    void drawsChanged();

private:
    void applyBox();
    void importFile();
    void importDropped(const QString& path);
    void revertBox();
    // Puts `text` in force when it reads as draws (a blank text from the box clears
    // them); otherwise says why, naming `source`, and changes nothing.
    bool replaceDraws(const QString& text, const QString& source, bool blankClears);
    void useDraws(const QString& text, std::vector<Draw> draws);
    // Lists the box's bad lines under it, hidden when there are none; returns their count.
    std::size_t listBadLines();
    void selectBadLine(const QListWidgetItem* item);
    void keepText();
    void showKeptState();
    void showState(const QString& state);
    void updateButtons();

    TextBox* m_box = nullptr;
    QPushButton* m_apply = nullptr;
    QPushButton* m_revert = nullptr;
    QLabel* m_status = nullptr;
    QListWidget* m_badLines = nullptr;
    QTimer m_recheck; // while bad lines are listed, the list follows the box's edits
    UndoNotice* m_undo = nullptr;
    QString m_path;
    QString m_state; // what the status line says of the draws in force
    QString m_text;  // the text of the draws in force
    std::vector<Draw> m_draws;
};

} // namespace shrink4
