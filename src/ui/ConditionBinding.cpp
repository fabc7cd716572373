#include "ConditionBinding.h"

#include "ControlColors.h"
#include "ControlRegistry.h"
#include "TextConversion.h"
#include "textbox/LineBox.h"

#include <QAbstractButton>
#include <QCheckBox>

#include <type_traits>

namespace shrink4 {

namespace {

std::string textOf(const ControlRegistry& controls, const QString& name)
{
    QWidget* w = controls.widget(name);
    if (auto* line = qobject_cast<LineBox*>(w))
        return line->text().toStdString();
    return toInputText(controls.multiLine(name)->toPlainText());
}

void setTextOf(const ControlRegistry& controls, const QString& name, const std::string& text)
{
    controls.setText(name, fromInputText(text));
}

int checkValue(const QCheckBox* box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

void setCheckValue(QCheckBox* box, int value)
{
    // Greyed only when a scheme asks for it; a user's click then never cycles through it.
    box->setTristate(value == 2);
    box->setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

template <class T>
struct IsArray : std::false_type {};
template <class E, std::size_t N>
struct IsArray<std::array<E, N>> : std::true_type {
    using Element = E;
};

} // namespace

ConditionInputs ConditionBinding::read() const
{
    ConditionInputs in;
    forEachControl(in, [this](const char* rawName, auto& value) {
        using T = std::decay_t<decltype(value)>;
        const QString name = QString::fromLatin1(rawName);
        if constexpr (std::is_same_v<T, std::string>) {
            value = textOf(m_controls, name);
        } else if constexpr (std::is_same_v<T, int>) {
            value = checkValue(qobject_cast<QCheckBox*>(m_controls.widget(name)));
        } else if constexpr (IsArray<T>::value) {
            using E = typename IsArray<T>::Element;
            for (std::size_t i = 0; i < value.size(); ++i) {
                if constexpr (std::is_same_v<E, std::string>)
                    value[i] = m_controls.line(name, int(i))->text().toStdString();
                else if constexpr (std::is_same_v<E, int>)
                    value[i] = checkValue(m_controls.check(name, int(i)));
                else
                    value[i] = buttonColor(m_controls.button(name, int(i))) == kSelectedColor;
            }
        }
    });
    return in;
}

void ConditionBinding::write(const ConditionInputs& inputs) const
{
    ConditionInputs in = inputs;
    forEachControl(in, [this](const char* rawName, auto& value) {
        using T = std::decay_t<decltype(value)>;
        const QString name = QString::fromLatin1(rawName);
        if constexpr (std::is_same_v<T, std::string>) {
            setTextOf(m_controls, name, value);
        } else if constexpr (std::is_same_v<T, int>) {
            setCheckValue(qobject_cast<QCheckBox*>(m_controls.widget(name)), value);
        } else if constexpr (IsArray<T>::value) {
            using E = typename IsArray<T>::Element;
            for (std::size_t i = 0; i < value.size(); ++i) {
                if constexpr (std::is_same_v<E, std::string>)
                    m_controls.line(name, int(i))->setText(QString::fromStdString(value[i]));
                else if constexpr (std::is_same_v<E, int>)
                    setCheckValue(m_controls.check(name, int(i)), value[i]);
                else
                    setButtonColor(m_controls.button(name, int(i)), value[i] ? kSelectedColor : kIdleColor);
            }
        }
    });
}

void ConditionBinding::writeTexts(const std::vector<std::pair<std::string, std::string>>& texts) const
{
    for (const auto& [name, text] : texts)
        setTextOf(m_controls, QString::fromStdString(name), text);
}

} // namespace shrink4
