#include "TwoBoxProgressBar.h"

#include "ui/widgets/QtText.h"

#include <QtMath>

namespace shrink4 {

TwoBoxProgressBar::TwoBoxProgressBar(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(indexedName("T_jindutiao", 0));
    setFrameShape(QFrame::Box);
    setFixedHeight(14);
    setStyleSheet(
        QStringLiteral("#T_jindutiao\\(0\\) { background: palette(base); border: 1px solid palette(mid); }"
                       "#T_jindutiao\\(1\\) { background: palette(highlight); border: none; }"));
    m_fill = new QFrame(this);
    m_fill->setObjectName(indexedName("T_jindutiao", 1));
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
