#include "LiveRun.h"

#include "ui/main/ConditionBinding.h"
#include "ui/main/ConditionForm.h"
#include "ui/widgets/textbox/TextBox.h"
#include "core/TextScan.h"

#include <QElapsedTimer>

#include <algorithm>
#include <exception>

namespace shrink4 {

namespace {

// A run of ordinary conditions takes well under a millisecond: it follows every change
// within the same pass of the event loop, so a clear-all's hundred changes make one run.
// Boxes of megabytes take longer to read than a keystroke: then the run waits until the
// typing pauses for about twice its own length.
constexpr qint64 kQuickRunMs = 8;
constexpr int kLongestWaitMs = 600;

int settleInterval(qint64 lastRunMs)
{
    return lastRunMs < kQuickRunMs ? 0 : int(std::min<qint64>(2 * lastRunMs, kLongestWaitMs));
}

} // namespace

LiveRun::LiveRun(const ConditionForm& form, QObject* parent)
    : QObject(parent),
      m_form(form)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(0);
    connect(&m_settle, &QTimer::timeout, this, &LiveRun::refreshNow);
    onConditionChange(form, this, [this] { schedule(); });
    schedule(); // the counts of the conditions the window starts with
}

void LiveRun::schedule()
{
    m_settle.start();
}

const LiveState& LiveRun::current()
{
    if (m_settle.isActive())
        refreshNow();
    return m_state;
}

void LiveRun::adopt(const RunResult& run)
{
    m_settle.stop();
    m_deferred = false;
    m_state.run = run;
    keepTolerance();
    emit updated(m_state);
}

void LiveRun::resume()
{
    if (m_deferred)
        schedule();
    m_deferred = false;
}

void LiveRun::keepTolerance()
{
    const QList<TextBox*>& bounds = m_form[ControlId::totalTolerance].texts;
    m_state.toleranceLow = toleranceBound(bounds[0]->toPlainText().toStdString());
    m_state.toleranceHigh = toleranceBound(bounds[1]->toPlainText().toStdString());
}

void LiveRun::refreshNow()
{
    m_settle.stop();
    if (m_busy && m_busy()) {
        m_deferred = true;
        return;
    }
    QElapsedTimer timer;
    timer.start();
    try {
        m_state.run = filterRun(readConditions(m_form));
        keepTolerance();
    } catch (const std::exception&) {
        // Out of memory with boxes of hundreds of megabytes: the counts keep their last
        // values, and the start button reports the failure when pressed.
        return;
    }
    m_settle.setInterval(settleInterval(timer.elapsed()));
    emit updated(m_state);
}

} // namespace shrink4
