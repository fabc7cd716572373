#pragma once
// A spin box that reads what is typed as every other box does: full-width digits from a
// Chinese input method (３０) count as 30.

#include <QSpinBox>

namespace shrink4 {

class TypedSpinBox : public QSpinBox {
    Q_OBJECT
public:
    using QSpinBox::QSpinBox;

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    int valueFromText(const QString& text) const override;
};

} // namespace shrink4
