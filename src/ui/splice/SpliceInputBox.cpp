#include "SpliceInputBox.h"

#include "ui/widgets/FileDrop.h"

namespace shrink4 {

SpliceInputBox::SpliceInputBox(QWidget* parent)
    : TextBox(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    fillOnFileDrop(this);
}

void SpliceInputBox::mouseDoubleClickEvent(QMouseEvent*)
{
    // Not passed on: the default would select a word of the text about to vanish.
    emit doubleClicked();
}

} // namespace shrink4
