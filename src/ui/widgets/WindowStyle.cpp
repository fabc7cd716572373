#include "WindowStyle.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QProxyStyle>
#include <QTabBar>

#include <algorithm>

namespace shrink4 {

namespace {

// Colours come from the system palette, light or dark; a checked button and the selected tab
// also differ in shape (a thick edge), not in colour alone.
const QString kToggleSheet = QStringLiteral(
    "QPushButton:checked { background-color: palette(highlight); color: palette(highlighted-text);"
    " border: 2px solid palette(window-text); border-radius: 2px; }");
const QString kHelpSheet = QStringLiteral(
    "QPushButton:hover { background-color: palette(highlight); color: palette(highlighted-text);"
    " border: 1px solid palette(dark); border-radius: 2px; }");
const QString kTabSheet = QStringLiteral(
    "QTabBar::tab { background-color: palette(button); color: palette(button-text); border: 1px solid palette(mid);"
    " border-top: 3px solid palette(button); padding: 3px 4px; margin-right: 1px; }"
    "QTabBar::tab:selected { background-color: palette(base); border-top: 3px solid palette(highlight); }");

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

void styleToggle(QAbstractButton* button)
{
    // Drawn by the sheet while checked: keep the native height so a checked tab does not shrink.
    button->setMinimumHeight(button->sizeHint().height());
    button->setStyleSheet(kToggleSheet);
}

void styleHelpButton(QAbstractButton* button)
{
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
