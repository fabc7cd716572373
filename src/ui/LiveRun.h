#pragma once
// A run of the conditions as they stand, repeated whenever they change, for the counts
// that follow the player's typing. It never touches the boxes or the listed result: the
// start button alone does that.

#include "engine/FilterRun.h"

#include <QObject>
#include <QTimer>

namespace shrink4 {

struct ConditionForm;

// The last live run and the total tolerance it was judged with.
struct LiveState {
    RunResult run;
    int toleranceLow = 0;
    int toleranceHigh = 0;
};

class LiveRun : public QObject {
    Q_OBJECT
public:
    explicit LiveRun(const ConditionForm& form, QObject* parent = nullptr);

    const LiveState& state() const { return m_state; }
    // The state of the conditions as they stand: a run still waiting is made now.
    const LiveState& current();
    // Runs now rather than when the changes settle.
    void refreshNow();

signals:
    void updated(const shrink4::LiveState& state);

private:
    void schedule();

    const ConditionForm& m_form;
    QTimer m_settle;
    LiveState m_state;
};

} // namespace shrink4
