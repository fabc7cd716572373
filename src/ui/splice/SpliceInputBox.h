#pragma once
// A position box of the splice tool: multi-line, and a double-click asks for it to be
// emptied (as an edit the box can undo).

#include "ui/widgets/textbox/TextBox.h"

namespace shrink4 {

class SpliceInputBox : public TextBox {
    Q_OBJECT
public:
    explicit SpliceInputBox(QWidget* parent = nullptr);

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace shrink4
