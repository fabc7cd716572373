#pragma once
// Putting conditions back into a known state: the defaults applied on load, the small
// "清" / "全" buttons beside each group, and "清空所有条件".

#include <QString>

namespace shrink4 {

class ControlRegistry;
class DanButtons;

class ConditionDefaults {
public:
    ConditionDefaults(const ControlRegistry& controls, DanButtons& dan) : m_controls(controls), m_dan(dan) {}

    // Connects every clear and select-all button to its routine.
    void connectButtons();

    void ApplyDefaults();
    void ClearPositionalBoxes(int row); // 0..3, or 9 for all four rows
    void ClearSumTailBoxes();
    void ClearSpanBoxes();
    void ClearUniversalKillBoxes();
    void ClearAcBoxes();
    void ClearSumValueBox();
    void SetBigSmallBoxes(int k); // k == 0 ticks every box, anything else unticks
    void SetOddEvenBoxes(int k);
    void SetPrimeCompositeBoxes(int k);
    void SetRoadBoxes(int k);
    void RestoreAllConditions();

private:
    void setChecks(const QString& array, int first, int count, bool ticked);

    const ControlRegistry& m_controls;
    DanButtons& m_dan;
};

} // namespace shrink4
