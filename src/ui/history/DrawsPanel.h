#pragma once
// The history view's past draws: a box to paste or edit them, an import from a file, and
// the draws in force, kept between starts with the layout they are read with. A text with
// a bad line changes nothing; its bad lines are listed, a click on one selects it in the
// box, and 导入设置… offers to read it otherwise. The buttons stand above the box, so
// that the messages under it never move them.

#include "engine/Draws.h"

#include <QTimer>
#include <QWidget>

#include <vector>

class QLabel;
class QLayout;
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
    QLayout* buildButtons(QPushButton* import, QPushButton* importSettings);
    QWidget* buildLayoutLine();
    void applyBox();
    void importFile();
    void importWithSettings();
    void importDropped(const QString& path);
    void revertBox();
    void resetLayout();
    // Puts `text` in force, read with `layout`, when it reads as draws (a blank text from
    // the box clears them); otherwise says why, naming `source`, offers 导入设置… on it,
    // and changes nothing.
    bool replaceDraws(const QString& text, const DrawsLayout& layout, const QString& source, bool blankClears);
    void refuse(const QString& text, const DrawsReading& reading, const DrawsLayout& layout, const QString& source,
                bool intoBox);
    // The refusal's message; true when the player asked for 导入设置… from it.
    bool askImportSettings(const QString& message, bool offerFirst);
    void openImportSettings(const QString& text, const DrawsLayout& start, const QString& source);
    void useDraws(const QString& text, const DrawsLayout& layout, std::vector<Draw> draws);
    // Lists the box's bad lines under it, hidden when there are none; returns their count.
    std::size_t listBadLines(const DrawsLayout& layout);
    void selectBadLine(const QListWidgetItem* item);
    void keepText();
    void showLayoutLine();
    void showKeptState();
    void showState(const QString& state);
    void updateButtons();

    TextBox* m_box = nullptr;
    QPushButton* m_apply = nullptr;
    QPushButton* m_revert = nullptr;
    QWidget* m_layoutLine = nullptr; // the layout in force, when not the automatic one
    QLabel* m_layoutText = nullptr;
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
