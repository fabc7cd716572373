#pragma once
// The three "说明" help buttons: a click shows the help text held in a hidden store;
// the button under the mouse turns red and back again when the mouse leaves it.

#include <QObject>

class QWidget;

namespace shrink4 {

class ControlRegistry;

class HelpButtons : public QObject {
    Q_OBJECT
public:
    HelpButtons(const ControlRegistry& controls, QWidget* window);

    void C_teshu_sm_Click(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const ControlRegistry& m_controls;
    QWidget* m_window;
};

} // namespace shrink4
