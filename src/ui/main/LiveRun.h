#pragma once
// A run of the conditions as they stand, repeated whenever they change, for the counts
// that follow the player's typing. It never touches the boxes or the listed result: the
// start button alone does that. The run works off the window's thread: the window takes
// the conditions in a moment and goes on taking keys; a run overtaken by newer changes is
// dropped.

#include "engine/FilterRun.h"

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

namespace shrink4 {

struct ConditionForm;

// The last live run (its list reduced to the count) and the total tolerance it was judged
// with.
struct LiveState {
    RunResult run;
    int toleranceLow = 0;
    int toleranceHigh = 0;
};

class LiveRun : public QObject {
    Q_OBJECT
public:
    explicit LiveRun(const ConditionForm& form, QObject* parent = nullptr);
    ~LiveRun() override;

    const LiveState& state() const { return m_state; }
    // The state of the conditions as they stand: a run still waiting or going is made
    // now, on the window's thread.
    const LiveState& current();

    // While busy() holds (the start button's run) no live run is made: the start's own
    // run is taken instead, and a change still waiting runs when resume() is called.
    void holdWhile(std::function<bool()> busy) { m_busy = std::move(busy); }
    void adopt(const RunResult& run);
    void resume();

signals:
    void updated(const shrink4::LiveState& state);
    // A run has been going long enough to say so, or the counts are current again.
    void runningChanged(bool running);

private:
    void schedule();
    void start();
    void finish();
    void runHere();
    void setRunning(bool running);
    std::pair<int, int> tolerance() const;

    const ConditionForm& m_form;
    QTimer m_settle;
    QTimer m_slow;         // a run this long is shown as running
    QElapsedTimer m_clock; // how long runs take sets how long typing must pause
    LiveState m_state;
    std::function<bool()> m_busy;
    bool m_deferred = false;
    bool m_again = false; // the conditions changed while a run was going
    bool m_running = false;
    quint64 m_generation = 0; // of the state the next finished run must belong to
    quint64 m_started = 0;    // the generation of the run going
    std::pair<int, int> m_startedTolerance;
    std::shared_ptr<std::atomic_bool> m_cancel;
    QFutureWatcher<std::optional<RunResult>> m_worker;
};

} // namespace shrink4
