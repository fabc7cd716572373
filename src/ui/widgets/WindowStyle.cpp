#include "WindowStyle.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QProxyStyle>
#include <QPainter>
#include <QStyleOption>

#include <algorithm>

namespace shrink4 {

namespace {

// Colours come from the system palette, light or dark; a lit button also differs in shape
// (a thick edge), not in colour alone. Drawn by proxy styles rather than style sheets: a
// sheet makes Qt keep parsed rules and a style of its own for every widget that carries it,
// about a megabyte and a half for this window's buttons and tabs.
class LitButtonStyle : public QProxyStyle {
public:
    // checked: lit while checked (a selection); otherwise lit while the pointer is over it.
    explicit LitButtonStyle(bool checked)
        : m_checked(checked)
    {
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        if (element != CE_PushButton || !button || !lit(*option)) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        const int edge = m_checked ? 2 : 1;
        painter->save();
        painter->fillRect(option->rect, option->palette.highlight());
        painter->setPen(QPen(option->palette.color(m_checked ? QPalette::WindowText : QPalette::Dark), edge,
                             Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter->setBrush(Qt::NoBrush);
        const qreal inset = edge / 2.0;
        painter->drawRect(QRectF(option->rect).adjusted(inset, inset, -inset, -inset));
        painter->restore();
        QStyleOptionButton label(*button);
        label.palette.setColor(QPalette::ButtonText, option->palette.color(QPalette::HighlightedText));
        label.rect = subElementRect(SE_PushButtonContents, button, widget);
        QProxyStyle::drawControl(CE_PushButtonLabel, &label, painter, widget);
        if (option->state & State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(*option);
            focus.rect = subElementRect(SE_PushButtonFocusRect, button, widget);
            drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
        }
    }

private:
    bool lit(const QStyleOption& option) const
    {
        return m_checked ? (option.state & State_On) : (option.state & State_MouseOver);
    }

    bool m_checked;
};

// One of each for the program's lifetime; they follow the application's style.
QStyle* selectionStyle()
{
    static auto* style = new LitButtonStyle(true);
    return style;
}

QStyle* hoverStyle()
{
    static auto* style = new LitButtonStyle(false);
    return style;
}

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
    button->setStyle(selectionStyle());
}

void styleHelpButton(QAbstractButton* button)
{
    button->setAttribute(Qt::WA_Hover); // repainted as the pointer comes and goes
    button->setStyle(hoverStyle());
}

void styleCheckBox(QCheckBox* box)
{
    box->setStyle(compactCheckStyle());
}

} // namespace shrink4
