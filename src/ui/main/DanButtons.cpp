#include "DanButtons.h"

#include "ui/main/ConditionBinding.h"
#include "ui/main/ConditionHistory.h"
#include "ui/application/WindowTexts.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QMessageBox>

namespace shrink4 {

namespace {

template <std::size_t N>
std::array<bool, N> checkedStates(const QList<QAbstractButton*>& buttons)
{
    std::array<bool, N> states{};
    for (std::size_t i = 0; i < N; ++i)
        states[i] = buttons[qsizetype(i)]->isChecked();
    return states;
}

template <std::size_t N>
void setCheckedStates(const QList<QAbstractButton*>& buttons, const std::array<bool, N>& states)
{
    for (std::size_t i = 0; i < N; ++i)
        buttons[qsizetype(i)]->setChecked(states[i]);
}

} // namespace

DanButtons::DanButtons(const ConditionForm& form, ConditionHistory& history, QWidget* dialogParent)
    : QObject(dialogParent),
      m_form(form),
      m_history(history),
      m_dialogParent(dialogParent)
{
    const auto& counts = form[ControlId::danHitCounts].toggles;
    for (int i = 0; i < counts.size(); ++i)
        connect(counts[i], &QAbstractButton::clicked, this, [this, i](bool checked) { countToggled(i, checked); });
    for (int g = 0; g < kDanGroups; ++g) {
        connect(form.danClear[std::size_t(g)], &QAbstractButton::clicked, this, [this, g] {
            m_history.group(QStringLiteral("清 胆码第%1组").arg(g + 1), [this, g] { clearGroup(g); });
        });
        connect(form.danSelectAll[std::size_t(g)], &QAbstractButton::clicked, this, [this, g] {
            m_history.group(QStringLiteral("全 胆码第%1组").arg(g + 1), [this, g] { selectAllOfGroup(g); });
        });
    }
}

DanDigitButtons DanButtons::digits() const
{
    return checkedStates<std::tuple_size_v<DanDigitButtons>>(m_form[ControlId::danDigits].toggles);
}

DanCountButtons DanButtons::counts() const
{
    return checkedStates<std::tuple_size_v<DanCountButtons>>(m_form[ControlId::danHitCounts].toggles);
}

void DanButtons::setSelection(const DanDigitButtons& digits, const DanCountButtons& counts)
{
    setCheckedStates(m_form[ControlId::danDigits].toggles, digits);
    setCheckedStates(m_form[ControlId::danHitCounts].toggles, counts);
}

void DanButtons::countToggled(int index, bool checked)
{
    if (!checked)
        return;
    // Judged as the click found the buttons, before it selected this one.
    DanCountButtons before = counts();
    before[std::size_t(index)] = false;
    const int repeat = checkValue(m_form[ControlId::danRepeatCounting].checks.front());
    if (danCountClick(digits(), before, index, repeat) != DanCountClick::Refuse)
        return;
    m_form[ControlId::danHitCounts].toggles[index]->setChecked(false);
    QMessageBox::warning(m_dialogParent, texts::kErrorTitle, texts::kCountRefused, QMessageBox::Ok);
}

void DanButtons::clearGroup(int group)
{
    DanDigitButtons d = digits();
    DanCountButtons c = counts();
    ClearDanGroup(d, c, group);
    setSelection(d, c);
}

void DanButtons::selectAllOfGroup(int group)
{
    DanDigitButtons d = digits();
    DanCountButtons c = counts();
    SelectAllDanGroup(d, c, group);
    setSelection(d, c);
}

} // namespace shrink4
