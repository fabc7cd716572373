#include "ConditionDefaults.h"

#include "ControlRegistry.h"
#include "DanButtons.h"
#include "TextConversion.h"
#include "engine/DesignTexts.h"

#include "textbox/LineBox.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QWidget>

namespace shrink4 {

namespace {

const char* const kPageBoxes[] = {"T_main_shazhixuan", "T_main_laji_fushi", "T_main_sha_2ma", "T_main_bichu_2ma",
                                  "T_main_sha_3ma",    "T_main_bichu_3ma",  "T_main_dw_sha"};
const char* const kToleranceBoxes[] = {"T_dzu_rc", "T_dw_rc", "T_zong_rc"};

} // namespace

void ConditionDefaults::connectButtons()
{
    const auto on = [](QAbstractButton* b, auto action) { QObject::connect(b, &QAbstractButton::clicked, action); };
    for (int k = 0; k < 4; ++k)
        on(m_controls.button(QStringLiteral("C_dw_sha_cls"), k), [this, k] { ClearPositionalBoxes(k); });
    on(m_controls.button(QStringLiteral("C_hewei_sha_cls")), [this] { ClearSumTailBoxes(); });
    on(m_controls.button(QStringLiteral("C_kuadu_sha_cls")), [this] { ClearSpanBoxes(); });
    on(m_controls.button(QStringLiteral("C_bdw_chu_cls")), [this] { ClearUniversalKillBoxes(); });
    on(m_controls.button(QStringLiteral("C_ac_chu_cls")), [this] { ClearSumValueBox(); });
    on(m_controls.button(QStringLiteral("C_ac_cls")), [this] { ClearAcBoxes(); });
    for (int k = 0; k < 2; ++k) {
        on(m_controls.button(QStringLiteral("C_shaxingtai_dx_all"), k), [this, k] { SetBigSmallBoxes(k); });
        on(m_controls.button(QStringLiteral("C_shaxingtai_jo_all"), k), [this, k] { SetOddEvenBoxes(k); });
        on(m_controls.button(QStringLiteral("C_shaxingtai_zh_all"), k), [this, k] { SetPrimeCompositeBoxes(k); });
        on(m_controls.button(QStringLiteral("C_shaxingtai_012_all"), k), [this, k] { SetRoadBoxes(k); });
    }
}

void ConditionDefaults::setChecks(const QString& array, int first, int count, bool ticked)
{
    for (int i = first; i < first + count; ++i) {
        QCheckBox* box = m_controls.check(array, i);
        box->setTristate(false);
        box->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
}

void ConditionDefaults::ApplyDefaults()
{
    setChecks(QStringLiteral("Check_tebie_paichu1"), 0, 6, false);
    setChecks(QStringLiteral("Check_tebie_paichu"), 0, 9, false);
    m_controls.widget(QStringLiteral("Frame_jindu"))->hide();
}

void ConditionDefaults::ClearPositionalBoxes(int row)
{
    if (row == 9)
        setChecks(QStringLiteral("Check_hewei_sha1"), 0, 40, false);
    else
        setChecks(QStringLiteral("Check_hewei_sha1"), 10 * row, 10, false);
}

void ConditionDefaults::ClearSumTailBoxes()
{
    setChecks(QStringLiteral("Check_hewei_sha"), 0, 10, false);
}

void ConditionDefaults::ClearSpanBoxes()
{
    setChecks(QStringLiteral("Check_kuadu_sha"), 0, 10, false);
}

void ConditionDefaults::ClearUniversalKillBoxes()
{
    setChecks(QStringLiteral("Check_tsm_sha"), 0, 10, false);
}

void ConditionDefaults::ClearAcBoxes()
{
    setChecks(QStringLiteral("Check_ac_sha"), 0, 6, false);
}

void ConditionDefaults::ClearSumValueBox()
{
    m_controls.line(QStringLiteral("T_sha_hezhi"))->clear();
}

void ConditionDefaults::SetBigSmallBoxes(int k)
{
    setChecks(QStringLiteral("Check_shaxingtai_daxiao"), 0, 16, k == 0);
}

void ConditionDefaults::SetOddEvenBoxes(int k)
{
    setChecks(QStringLiteral("Check_shaxingtai_jo"), 0, 16, k == 0);
}

void ConditionDefaults::SetPrimeCompositeBoxes(int k)
{
    setChecks(QStringLiteral("Check_shaxingtai_zhihe"), 0, 16, k == 0);
}

void ConditionDefaults::SetRoadBoxes(int k)
{
    setChecks(QStringLiteral("Check_shaxingtai_012"), 0, 81, k == 0);
}

void ConditionDefaults::RestoreAllConditions()
{
    for (const char* box : kPageBoxes)
        m_controls.setText(QString::fromLatin1(box), QString());
    m_controls.setText(QStringLiteral("T_sha_hezhi"), fromInputText(design::kSumValue));
    ApplyDefaults();
    ClearPositionalBoxes(9);
    ClearSumTailBoxes();
    ClearSpanBoxes();
    ClearUniversalKillBoxes();
    SetBigSmallBoxes(1);
    SetOddEvenBoxes(1);
    SetPrimeCompositeBoxes(1);
    SetRoadBoxes(1);
    for (int g = 0; g < 4; ++g)
        m_dan.ClearDanGroup(g);
    ClearAcBoxes();
    for (const char* range : kToleranceBoxes)
        for (int i = 0; i < 2; ++i)
            m_controls.line(QString::fromLatin1(range), i)->setText(fromInputText(design::kTolerance));
    m_controls.setText(QStringLiteral("T_dadi_nb"), fromInputText(design::kBasePoolHint));
}

} // namespace shrink4
