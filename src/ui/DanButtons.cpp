#include "DanButtons.h"

#include "ControlColors.h"
#include "ControlRegistry.h"
#include "WindowTexts.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QMessageBox>

namespace shrink4 {

namespace {

const QString kDigitArray = QStringLiteral("C_danzu");
const QString kCountArray = QStringLiteral("C_danzu_gs");

bool isSelected(const QAbstractButton* b)
{
    return buttonColor(b) == kSelectedColor;
}

void select(QAbstractButton* b, bool selected)
{
    setButtonColor(b, selected ? kSelectedColor : kIdleColor);
}

} // namespace

DanButtons::DanButtons(const ControlRegistry& controls, QWidget* dialogParent)
    : QObject(dialogParent), m_controls(controls), m_dialogParent(dialogParent)
{
    for (int i = 0; i < 40; ++i)
        connect(m_controls.button(kDigitArray, i), &QAbstractButton::clicked, this, [this, i] { C_danzu_Click(i); });
    for (int i = 0; i < 20; ++i)
        connect(m_controls.button(kCountArray, i), &QAbstractButton::clicked, this,
                [this, i] { C_danzu_gs_Click(i); });
    for (int g = 0; g < kDanGroups; ++g) {
        connect(m_controls.button(QStringLiteral("C_danma_cls"), g), &QAbstractButton::clicked, this,
                [this, g] { ClearDanGroup(g); });
        connect(m_controls.button(QStringLiteral("C_dz_quan"), g), &QAbstractButton::clicked, this,
                [this, g] { SelectAllDanGroup(g); });
    }
}

DanDigitButtons DanButtons::digits() const
{
    DanDigitButtons d{};
    for (int i = 0; i < int(d.size()); ++i)
        d[std::size_t(i)] = isSelected(m_controls.button(kDigitArray, i));
    return d;
}

DanCountButtons DanButtons::counts() const
{
    DanCountButtons c{};
    for (int i = 0; i < int(c.size()); ++i)
        c[std::size_t(i)] = isSelected(m_controls.button(kCountArray, i));
    return c;
}

void DanButtons::setSelection(const DanDigitButtons& digits, const DanCountButtons& counts)
{
    for (int i = 0; i < int(digits.size()); ++i)
        select(m_controls.button(kDigitArray, i), digits[std::size_t(i)]);
    for (int i = 0; i < int(counts.size()); ++i)
        select(m_controls.button(kCountArray, i), counts[std::size_t(i)]);
}

void DanButtons::C_danzu_Click(int index)
{
    QAbstractButton* b = m_controls.button(kDigitArray, index);
    select(b, !isSelected(b));
}

void DanButtons::C_danzu_gs_Click(int index)
{
    const auto* repeatBox = qobject_cast<QCheckBox*>(m_controls.widget(QStringLiteral("Check_dm_jchong")));
    const int repeatValue = repeatBox->checkState() == Qt::Checked         ? 1
                            : repeatBox->checkState() == Qt::PartiallyChecked ? 2
                                                                              : 0;
    switch (danCountClick(digits(), counts(), index, repeatValue)) {
    case DanCountClick::Unselect:
        select(m_controls.button(kCountArray, index), false);
        break;
    case DanCountClick::Select:
        select(m_controls.button(kCountArray, index), true);
        break;
    case DanCountClick::Refuse:
        QMessageBox::warning(m_dialogParent, texts::kErrorTitle, texts::kCountRefused, QMessageBox::Ok);
        break;
    }
}

void DanButtons::ClearDanGroup(int group)
{
    DanDigitButtons d = digits();
    DanCountButtons c = counts();
    shrink4::ClearDanGroup(d, c, group);
    setSelection(d, c);
}

void DanButtons::SelectAllDanGroup(int group)
{
    DanDigitButtons d = digits();
    DanCountButtons c = counts();
    shrink4::SelectAllDanGroup(d, c, group);
    setSelection(d, c);
}

} // namespace shrink4
