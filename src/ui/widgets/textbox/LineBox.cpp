#include "LineBox.h"

#include <QFocusEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace shrink4 {

namespace {

void initPanelOption(QStyleOptionFrame* option, const QWidget* box)
{
    option->initFrom(box);
    option->rect = box->rect();
    option->lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, option, box);
    option->midLineWidth = 0;
    option->state |= QStyle::State_Sunken;
    option->features = QStyleOptionFrame::None;
}

} // namespace

LineBox::LineBox(QWidget* parent)
    : TextBox(Mode::SingleLine, QString(), parent)
{
    // The frame is drawn as a line edit's panel around the text, see event().
    setFrameStyle(QFrame::NoFrame);
    QStyleOptionFrame option;
    initPanelOption(&option, this);
    const int frame = option.lineWidth;
    setViewportMargins(frame, frame, frame, frame);
}

void LineBox::setText(const QString& text)
{
    if (text != toPlainText())
        setPlainText(text);
}

QSize LineBox::sizeForContentWidth(int width) const
{
    // The same arithmetic as QLineEdit's, so the box sits in a form as one would.
    const QFontMetrics fm(font());
    const int height = std::max(fm.height(), 14) + 2;
    QStyleOptionFrame option;
    initPanelOption(&option, this);
    return style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(width + 4, height), this);
}

QSize LineBox::sizeHint() const
{
    return sizeForContentWidth(fontMetrics().horizontalAdvance(u'x') * 17);
}

QSize LineBox::minimumSizeHint() const
{
    return sizeForContentWidth(fontMetrics().maxWidth());
}

bool LineBox::event(QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        QPainter painter(this);
        QStyleOptionFrame option;
        initPanelOption(&option, this);
        if (hasFocus())
            option.state |= QStyle::State_HasFocus;
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
        return true;
    }
    return TextBox::event(event);
}

// As a line edit: reaching the box from the keyboard selects its text, ready to be typed
// over, where a click only places the cursor; leaving it drops the selection unless only
// the window or a menu took the focus.
void LineBox::focusInEvent(QFocusEvent* event)
{
    TextBox::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    const bool byKeyboard =
        reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
    if (byKeyboard && !hasSelectedText())
        selectAll();
}

void LineBox::focusOutEvent(QFocusEvent* event)
{
    TextBox::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        setCursorPosition(cursorPosition());
}

} // namespace shrink4
