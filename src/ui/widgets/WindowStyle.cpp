#include "WindowStyle.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QColor>
#include <QPalette>
#include <QProxyStyle>
#include <QTabBar>

#include <algorithm>

namespace shrink4 {

namespace {

const QColor kButtonColor{192, 192, 255};

const QString kToggleSheet = QStringLiteral(
    "QPushButton:checked { background-color: rgb(0, 255, 0); border: 1px solid rgb(0, 150, 0);"
    " border-radius: 2px; }");
const QString kHelpSheet = QStringLiteral(
    "QPushButton:hover { background-color: rgb(255, 0, 0); border: 1px solid rgb(150, 0, 0);"
    " border-radius: 2px; }");
const QString kTabSheet = QStringLiteral(
    "QTabBar::tab { background-color: rgb(192, 192, 255); border: 1px solid rgb(120, 120, 180);"
    " padding: 3px 4px; margin-right: 1px; }"
    "QTabBar::tab:selected { background-color: rgb(128, 255, 128); }");

// A check box as wide as its indicator, a 2-pixel gap and its caption, and no taller than
// the larger of them: without the margins a check box otherwise keeps around its focus frame.
class CompactCheckStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_CheckBoxLabelSpacing)
            return 2;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override
    {
        if (type != CT_CheckBox)
            return QProxyStyle::sizeFromContents(type, option, contents, widget);
        const int width = pixelMetric(PM_IndicatorWidth, option, widget);
        const int height = pixelMetric(PM_IndicatorHeight, option, widget);
        return {width + pixelMetric(PM_CheckBoxLabelSpacing, option, widget) + contents.width(),
                std::max(height, contents.height())};
    }
};

QStyle* compactCheckStyle()
{
    // One for the program's lifetime; it follows the application's style.
    static auto* style = new CompactCheckStyle;
    return style;
}

} // namespace

void styleButton(QAbstractButton* button)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, kButtonColor);
    button->setPalette(palette);
}

void styleToggle(QAbstractButton* button)
{
    styleButton(button);
    // Drawn by the sheet while checked: keep the native height so a checked tab does not shrink.
    button->setMinimumHeight(button->sizeHint().height());
    button->setStyleSheet(kToggleSheet);
}

void styleHelpButton(QAbstractButton* button)
{
    styleButton(button);
    button->setStyleSheet(kHelpSheet);
}

void styleTabBar(QTabBar* bar)
{
    bar->setStyleSheet(kTabSheet);
}

void styleCheckBox(QCheckBox* box)
{
    box->setStyle(compactCheckStyle());
}

} // namespace shrink4
