#include "CountTabBar.h"

#include "ui/widgets/PaletteColors.h"

#include <QStyleOptionTab>
#include <QStylePainter>

namespace shrink4 {

namespace {

// The count line takes part of the tab's own padding: the window keeps its height.
constexpr int kSharedPadding = 6;
// A tab's box: padding around the caption, a one-pixel edge, a thick top edge that is lit
// on the page shown (a mark in shape as well as colour) and a gap to the next tab.
constexpr int kPadX = 4;
constexpr int kPadY = 3;
constexpr int kTopEdge = 3;
constexpr int kGap = 1;

} // namespace

CountTabBar::CountTabBar(QWidget* parent)
    : QTabBar(parent)
{
}

QFont CountTabBar::countFont() const
{
    QFont f = font();
    f.setPointSizeF(f.pointSizeF() * 0.85);
    return f;
}

int CountTabBar::countLineHeight() const
{
    return QFontMetrics(countFont()).height() - kSharedPadding;
}

void CountTabBar::setCountText(int index, const QString& text)
{
    setTabData(index, text);
    update(tabRect(index));
}

QString CountTabBar::countText(int index) const
{
    return tabData(index).toString();
}

QSize CountTabBar::tabSizeHint(int index) const
{
    const QFontMetrics metrics = fontMetrics();
    return {metrics.horizontalAdvance(tabText(index)) + 2 * (kPadX + 1) + kGap,
            metrics.height() + 2 * kPadY + kTopEdge + 1 + countLineHeight()};
}

QSize CountTabBar::minimumTabSizeHint(int index) const
{
    return tabSizeHint(index);
}

void CountTabBar::paintTabBox(QPainter& painter, const QRect& rect, bool shown) const
{
    const QPalette& colours = palette();
    const QRect box = rect.adjusted(0, 0, -kGap, 0);
    painter.fillRect(box, colours.color(shown ? QPalette::Base : QPalette::Button));
    painter.setPen(colours.color(QPalette::Mid));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    if (shown)
        painter.fillRect(QRect(box.left(), box.top(), box.width(), kTopEdge), colours.color(QPalette::Highlight));
}

void CountTabBar::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    const int captionHeight = fontMetrics().height();
    const int countHeight = QFontMetrics(countFont()).height();
    // The selected tab last, over its neighbours, as QTabBar draws it.
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < count(); ++i) {
            if ((i == currentIndex()) != (pass == 1))
                continue;
            QStyleOptionTab option;
            initStyleOption(&option, i);
            const QString caption = option.text;
            paintTabBox(painter, option.rect, i == currentIndex());
            if (i == currentIndex() && hasFocus()) {
                QStyleOptionFocusRect focus;
                focus.QStyleOption::operator=(option);
                focus.rect = option.rect.adjusted(2, kTopEdge + 1, -2 - kGap, -2);
                painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
            }
            // Caption and count as one block in the middle of the tab.
            const int top = option.rect.top() + (option.rect.height() - captionHeight - countHeight) / 2 + 1;
            const QRect captionRect(option.rect.left(), top, option.rect.width(), captionHeight);
            const QRect countRect(option.rect.left(), top + captionHeight - 1, option.rect.width(), countHeight);
            painter.setFont(font());
            painter.setPen(palette().color(i == currentIndex() ? QPalette::Text : QPalette::ButtonText));
            painter.drawText(captionRect, Qt::AlignCenter, caption);
            painter.setFont(countFont());
            painter.setPen(warningColor(palette()));
            painter.drawText(countRect, Qt::AlignCenter, countText(i));
        }
}

} // namespace shrink4
