#include "CountTabBar.h"

#include "ui/widgets/PaletteColors.h"

#include <QStyleOptionTab>
#include <QStylePainter>

namespace shrink4 {

namespace {

// The count line takes part of the tab's own padding: the window keeps its height.
constexpr int kSharedPadding = 6;

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
    return QTabBar::tabSizeHint(index) + QSize(0, countLineHeight());
}

QSize CountTabBar::minimumTabSizeHint(int index) const
{
    return QTabBar::minimumTabSizeHint(index) + QSize(0, countLineHeight());
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
            option.text.clear();
            painter.drawControl(QStyle::CE_TabBarTab, option);
            // Caption and count as one block in the middle of the tab.
            const int top = option.rect.top() + (option.rect.height() - captionHeight - countHeight) / 2 + 1;
            const QRect captionRect(option.rect.left(), top, option.rect.width(), captionHeight);
            const QRect countRect(option.rect.left(), top + captionHeight - 1, option.rect.width(), countHeight);
            painter.setFont(font());
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(captionRect, Qt::AlignCenter, caption);
            painter.setFont(countFont());
            painter.setPen(warningColor(palette()));
            painter.drawText(countRect, Qt::AlignCenter, countText(i));
        }
}

} // namespace shrink4
