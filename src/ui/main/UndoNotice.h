#pragma once
// A strip that says what a sweeping action just did and offers to take it back. It goes
// away once the player moves on (withdraw) or after a while, whichever comes first.

#include <QFrame>
#include <QTimer>

#include <functional>

class QLabel;
class QPushButton;
class QUndoStack;

namespace shrink4 {

class UndoNotice : public QFrame {
    Q_OBJECT
public:
    explicit UndoNotice(QWidget* parent = nullptr);

    // Shows `text`; the button runs `undo` once and hides the strip.
    void offer(const QString& text, std::function<void()> undo);
    // Shows `text` for the step just done in `history`; the button undoes it there. Any
    // other move of the history withdraws the offer.
    void offerLastStep(const QString& text, QUndoStack* history);
    // Hides the strip and lets go of what undo would have needed.
    void withdraw();

private:
    void undo();

    QLabel* m_text;
    QPushButton* m_button;
    QTimer m_timeout;
    std::function<void()> m_undo;
    QUndoStack* m_watched = nullptr;
    int m_offeredIndex = -1;
};

} // namespace shrink4
