#include "ControlColors.h"

#include <QAbstractButton>
#include <QPalette>

namespace shrink4 {

void setButtonColor(QAbstractButton* button, const QColor& color)
{
    QPalette palette = button->palette();
    if (palette.color(QPalette::Button) == color)
        return;
    palette.setColor(QPalette::Button, color);
    button->setPalette(palette);
}

QColor buttonColor(const QAbstractButton* button)
{
    return button->palette().color(QPalette::Button);
}

} // namespace shrink4
