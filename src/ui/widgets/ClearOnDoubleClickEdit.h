#pragma once
// A multi-line condition box that empties itself on a double-click, help text included.

#include "ui/widgets/textbox/TextBox.h"

namespace shrink4 {

class ClearOnDoubleClickEdit : public TextBox {
    Q_OBJECT
public:
    using TextBox::TextBox;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace shrink4
