#pragma once
// Whether the conditions on screen differ from a set kept aside (a scheme file's, or those
// a result was run with). Marked at once when a condition changes; compared once the
// changes pause, so that an undo back to the kept set clears the mark.

#include "conditions/ConditionTable.h"

#include <QObject>
#include <QTimer>

#include <functional>

namespace shrink4 {

class ConditionsBaseline : public QObject {
    Q_OBJECT
public:
    // read gives the conditions on screen.
    explicit ConditionsBaseline(std::function<ConditionInputs()> read, QObject* parent = nullptr);

    const ConditionInputs& baseline() const { return m_baseline; }
    bool differs() const { return m_differs; }

    // The conditions on screen are now the kept set.
    void setBaseline(ConditionInputs inputs);
    // Keeps `inputs` and compares the screen with them now.
    void setBaselineAndCompare(ConditionInputs inputs);

    void conditionsChanged();
    void compare();

signals:
    void differsChanged(bool differs);

private:
    void setDiffers(bool differs);

    std::function<ConditionInputs()> m_read;
    ConditionInputs m_baseline;
    bool m_differs = false;
    QTimer m_compare;
};

} // namespace shrink4
