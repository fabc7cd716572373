#pragma once
// A single-line text box that takes a ten-megabyte paste in its stride, with the part of
// QLineEdit's interface the window uses. Like a line edit it keeps line breaks that are
// pasted into it and shows them as spaces.

#include "ui/widgets/textbox/TextBox.h"

namespace shrink4 {

class LineBox : public TextBox {
    Q_OBJECT
public:
    explicit LineBox(QWidget* parent = nullptr);

    QString text() const { return toPlainText(); }
    // As QLineEdit::setText: the same text changes nothing; other text replaces the
    // undo history and puts the cursor at the end.
    void setText(const QString& text);

    void setAlignment(Qt::Alignment alignment) { setHorizontalAlignment(alignment); }
    Qt::Alignment alignment() const { return horizontalAlignment(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QSize sizeForContentWidth(int width) const;
};

} // namespace shrink4
