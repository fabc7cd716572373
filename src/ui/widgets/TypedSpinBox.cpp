#include "TypedSpinBox.h"

#include "scheme/TypedText.h"

namespace shrink4 {

// The folded text replaces what was typed, so the box shows the digits it counts.
QValidator::State TypedSpinBox::validate(QString& input, int& pos) const
{
    input = typedText(input);
    return QSpinBox::validate(input, pos);
}

int TypedSpinBox::valueFromText(const QString& text) const
{
    return QSpinBox::valueFromText(typedText(text));
}

} // namespace shrink4
