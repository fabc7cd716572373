#pragma once
// A position box of the splice tool: multi-line, and a double-click asks for it to be
// emptied (the page also resets the box's count).

#include <QPlainTextEdit>

namespace shrink4 {

class SpliceInputBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit SpliceInputBox(QWidget* parent = nullptr);

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace shrink4
