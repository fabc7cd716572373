#pragma once
// A run of the conditions as they stand, repeated whenever they change, for the counts
// that follow the player's typing. It never touches the boxes or the listed result: the
// start button alone does that.

#include "engine/FilterRun.h"

#include <QObject>
#include <QTimer>

#include <functional>

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

    // While busy() holds (the start button's run) no live run is made: the start's own
    // run is taken instead, and a change still waiting runs when resume() is called.
    void holdWhile(std::function<bool()> busy) { m_busy = std::move(busy); }
    void adopt(const RunResult& run);
    void resume();

signals:
    void updated(const shrink4::LiveState& state);

private:
    void schedule();
    void keepTolerance();

    const ConditionForm& m_form;
    QTimer m_settle;
    LiveState m_state;
    std::function<bool()> m_busy;
    bool m_deferred = false;
};

} // namespace shrink4
