#include "LiveRun.h"

#include "ui/main/ConditionBinding.h"
#include "ui/main/ConditionForm.h"
#include "ui/widgets/textbox/TextBox.h"
#include "core/TextScan.h"

#include <QElapsedTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <exception>

namespace shrink4 {

namespace {

// A run of ordinary conditions takes well under a millisecond: it follows every change
// within the same pass of the event loop, so a clear-all's hundred changes make one run.
// Boxes of megabytes take longer: then the run waits until the typing pauses for about
// twice its own length, so that a burst of keys makes one run, not one per key.
constexpr qint64 kQuickRunMs = 8;
constexpr int kLongestWaitMs = 600;
// Shorter runs finish before anyone could read a "running" mark.
constexpr int kShowRunningAfterMs = 150;

int settleInterval(qint64 lastRunMs)
{
    return lastRunMs < kQuickRunMs ? 0 : int(std::min<qint64>(2 * lastRunMs, kLongestWaitMs));
}

struct Overtaken {};

// On a worker: converts the boxes' texts and runs them; none when overtaken or failed
// (out of memory with boxes of hundreds of megabytes: the counts keep their last values,
// and the start button reports the failure when pressed).
std::optional<RunResult> runOff(const std::shared_ptr<ConditionSnapshot>& snapshot,
                                const std::shared_ptr<std::atomic_bool>& cancel)
{
    try {
        ConditionInputs inputs = finishConditions(std::move(*snapshot));
        RunResult run = filterRun(inputs, [&cancel](double) {
            if (*cancel)
                throw Overtaken{};
        });
        keepCountOnly(run.list);
        return run;
    } catch (const Overtaken&) {
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

} // namespace

LiveRun::LiveRun(const ConditionForm& form, QObject* parent)
    : QObject(parent),
      m_form(form)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(0);
    connect(&m_settle, &QTimer::timeout, this, &LiveRun::start);
    m_slow.setSingleShot(true);
    m_slow.setInterval(kShowRunningAfterMs);
    connect(&m_slow, &QTimer::timeout, this, [this] { setRunning(true); });
    connect(&m_worker, &QFutureWatcherBase::finished, this, &LiveRun::finish);
    onConditionChange(form, this, [this] { schedule(); });
    schedule(); // the counts of the conditions the window starts with
}

LiveRun::~LiveRun()
{
    if (m_cancel)
        *m_cancel = true; // nobody waits for it any more
}

void LiveRun::schedule()
{
    ++m_generation;
    m_settle.start();
}

std::pair<int, int> LiveRun::tolerance() const
{
    const QList<TextBox*>& bounds = m_form[ControlId::totalTolerance].texts;
    return {toleranceBound(bounds[0]->toPlainText().toStdString()),
            toleranceBound(bounds[1]->toPlainText().toStdString())};
}

void LiveRun::start()
{
    if (m_busy && m_busy()) {
        m_deferred = true;
        return;
    }
    if (m_worker.isRunning()) {
        m_again = true; // started when the one going ends
        *m_cancel = true;
        return;
    }
    auto snapshot = std::make_shared<ConditionSnapshot>(snapshotConditions(m_form));
    m_cancel = std::make_shared<std::atomic_bool>(false);
    m_started = m_generation;
    m_startedTolerance = tolerance();
    m_slow.start();
    m_clock.start();
    m_worker.setFuture(QtConcurrent::run([snapshot, cancel = m_cancel] { return runOff(snapshot, cancel); }));
}

void LiveRun::finish()
{
    std::optional<RunResult> run = m_worker.result();
    m_settle.setInterval(settleInterval(m_clock.elapsed()));
    if (m_again) {
        m_again = false;
        start();
        return;
    }
    m_slow.stop();
    setRunning(false);
    if (!run || m_started != m_generation)
        return;
    m_state.run = std::move(*run);
    std::tie(m_state.toleranceLow, m_state.toleranceHigh) = m_startedTolerance;
    emit updated(m_state);
}

const LiveState& LiveRun::current()
{
    if (m_settle.isActive() || m_worker.isRunning() || m_again)
        runHere();
    return m_state;
}

void LiveRun::runHere()
{
    m_settle.stop();
    m_again = false;
    if (m_cancel)
        *m_cancel = true; // its result belongs to an older generation now
    ++m_generation;
    QElapsedTimer timer;
    timer.start();
    try {
        m_state.run = filterRun(readConditions(m_form));
        keepCountOnly(m_state.run.list);
        std::tie(m_state.toleranceLow, m_state.toleranceHigh) = tolerance();
    } catch (const std::exception&) {
        return;
    }
    m_settle.setInterval(settleInterval(timer.elapsed()));
    emit updated(m_state);
}

void LiveRun::adopt(const RunResult& run)
{
    m_settle.stop();
    m_deferred = false;
    ++m_generation; // a live run still going is of older conditions
    m_state.run = run;
    keepCountOnly(m_state.run.list);
    std::tie(m_state.toleranceLow, m_state.toleranceHigh) = tolerance();
    emit updated(m_state);
}

void LiveRun::resume()
{
    if (m_deferred)
        schedule();
    m_deferred = false;
}

void LiveRun::setRunning(bool running)
{
    if (running == m_running)
        return;
    m_running = running;
    emit runningChanged(running);
}

} // namespace shrink4
