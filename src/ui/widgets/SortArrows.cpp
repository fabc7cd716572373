#include "SortArrows.h"

#include <QHeaderView>
#include <QPainter>
#include <QPainterPath>
#include <QProxyStyle>
#include <QStyleOptionHeader>

namespace shrink4 {

namespace {

// The arrow follows the header's own order, not the flag the style was given.
class SortArrowStyle : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        const auto* header = qobject_cast<const QHeaderView*>(widget);
        if (element != PE_IndicatorHeaderArrow || header == nullptr) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        drawArrow(painter, option->rect, header->sortIndicatorOrder() == Qt::AscendingOrder,
                  option->palette.color(QPalette::ButtonText));
    }

private:
    static void drawArrow(QPainter* painter, const QRect& rect, bool up, const QColor& color)
    {
        const qreal side = qMax(6.0, qMin(rect.width(), rect.height()) * 0.6);
        const QPointF c = QRectF(rect).center();
        const qreal h = side * 0.5;
        QPainterPath arrow;
        arrow.moveTo(c.x() - side / 2, up ? c.y() + h / 2 : c.y() - h / 2);
        arrow.lineTo(c.x() + side / 2, up ? c.y() + h / 2 : c.y() - h / 2);
        arrow.lineTo(c.x(), up ? c.y() - h / 2 : c.y() + h / 2);
        arrow.closeSubpath();
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->fillPath(arrow, color);
        painter->restore();
    }
};

QStyle* sortArrowStyle()
{
    // One for the program's lifetime; it follows the application's style.
    static auto* style = new SortArrowStyle;
    return style;
}

} // namespace

void showSortArrows(QHeaderView* header)
{
    header->setStyle(sortArrowStyle());
    header->setSortIndicatorShown(true);
}

} // namespace shrink4
