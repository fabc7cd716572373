#pragma once
// The line under the window that says, in plain Chinese, what the conditions are read
// as where that differs from how they look, and why a run listed nothing. It follows
// the boxes as the player types. One line: what does not fit ends in "…", and the
// whole text, a note a line, is its tooltip.

#include <QLabel>
#include <QStringList>
#include <QTimer>

namespace shrink4 {

struct ConditionForm;

class NotesLine : public QLabel {
    Q_OBJECT
public:
    NotesLine(const ConditionForm& form, QWidget* parent = nullptr);

    // After a run: an empty result is explained by the notes.
    void showRunCount(int count);

    QString fullText() const { return m_parts.join(QStringLiteral("；")); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void refresh();
    void showElided();

    const ConditionForm& m_form;
    QTimer m_settle;
    bool m_emptyResult = false;
    QStringList m_parts;
};

} // namespace shrink4
