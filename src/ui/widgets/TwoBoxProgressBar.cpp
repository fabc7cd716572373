#include "TwoBoxProgressBar.h"

#include "ui/widgets/QtText.h"

#include <QPainter>
#include <QtMath>

namespace shrink4 {

TwoBoxProgressBar::TwoBoxProgressBar(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(indexedName("T_jindutiao", 0));
    setFixedHeight(14);
    m_fill = new QFrame(this);
    m_fill->setObjectName(indexedName("T_jindutiao", 1));
    // The track paints itself (paintEvent) and the fill fills itself, in the palette's colours.
    m_fill->setBackgroundRole(QPalette::Highlight);
    m_fill->setAutoFillBackground(true);
    layoutFill();
}

void TwoBoxProgressBar::setFraction(double fraction)
{
    m_fraction = qBound(0.0, fraction, 1.0);
    layoutFill();
}

int TwoBoxProgressBar::fillWidth() const
{
    return m_fill->width();
}

void TwoBoxProgressBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TwoBoxProgressBar::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    layoutFill();
}

void TwoBoxProgressBar::layoutFill()
{
    m_fill->setGeometry(0, 0, qRound(m_fraction * width()), height());
}

} // namespace shrink4
