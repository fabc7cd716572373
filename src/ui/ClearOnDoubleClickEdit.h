#pragma once
// A multi-line condition box that empties itself on a double-click, help text included.

#include <QPlainTextEdit>

namespace shrink4 {

class ClearOnDoubleClickEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace shrink4
