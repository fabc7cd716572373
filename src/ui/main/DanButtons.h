#pragma once
// The dan digit and count buttons: checkable buttons whose checked state is the
// selection. A count the chosen digits cannot reach is refused with a message.

#include "ui/main/ConditionForm.h"
#include "stages/DanGroupStage.h"

#include <QObject>

class QWidget;

namespace shrink4 {

class ConditionHistory;

class DanButtons : public QObject {
    Q_OBJECT
public:
    // A group's 清 and 全 are each one step of `history`.
    DanButtons(const ConditionForm& form, ConditionHistory& history, QWidget* dialogParent);

    DanDigitButtons digits() const;
    DanCountButtons counts() const;
    void setSelection(const DanDigitButtons& digits, const DanCountButtons& counts);

    void clearGroup(int group);
    void selectAllOfGroup(int group);

private:
    // Called after a count button toggled itself on or off.
    void countToggled(int index, bool checked);

    const ConditionForm& m_form;
    ConditionHistory& m_history;
    QWidget* m_dialogParent;
};

} // namespace shrink4
