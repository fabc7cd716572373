#pragma once
// The dan digit and count buttons. Their colours are the only store of the selection:
// SelectedColor means selected, any other colour idle.

#include "stages/DanGroupStage.h"

#include <QObject>

class QWidget;

namespace shrink4 {

class ControlRegistry;

class DanButtons : public QObject {
    Q_OBJECT
public:
    DanButtons(const ControlRegistry& controls, QWidget* dialogParent);

    DanDigitButtons digits() const;
    DanCountButtons counts() const;
    void setSelection(const DanDigitButtons& digits, const DanCountButtons& counts);

    void C_danzu_Click(int index);
    void C_danzu_gs_Click(int index);
    void ClearDanGroup(int group);
    void SelectAllDanGroup(int group);

private:
    const ControlRegistry& m_controls;
    QWidget* m_dialogParent;
};

} // namespace shrink4
