#pragma once
// The start button's run and the group conversion. The run works off the window's
// thread: the window takes the conditions in a moment and goes on taking keys and
// painting. A run that ends within a frame is listed at once; a longer one shows the
// progress frame and lists its result when it ends. Starting again drops a run still going.

#include "engine/FilterRun.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace shrink4 {

struct ConditionForm;
struct RunForm;
class ResultView;
struct RunJob;

class RunController : public QObject {
    Q_OBJECT
public:
    // What a run does with the conditions; the filter run, but for tests of failures and
    // of long runs.
    using Engine = std::function<RunResult(const ConditionInputs&, const ProgressFn&)>;
    // Called once the run of the conditions on screen is listed.
    using Then = std::function<void(const RunResult&)>;

    RunController(const RunForm& run, const ConditionForm& conditions, ResultView& results, QWidget* window);
    ~RunController() override;

    // Runs the conditions as they stand and lists the result; `then` follows once it is
    // listed (not after a failure). A run still going is dropped, its `then`s carried over.
    void start(Then then = {});
    // A run, then its survivors as group forms.
    void convertToGroups(std::function<void()> then = {});
    // Lists the result of `inputs` without touching the boxes (a result kept from an
    // earlier start). False when it could not be run.
    bool showResultOf(const ConditionInputs& inputs, bool groupForms);

    bool running() const { return m_job != nullptr; }
    // A run's rewriting of the boxes goes through `group`, as one edit the player can undo.
    void groupRewrites(std::function<void(const std::function<void()>&)> group) { m_group = std::move(group); }
    void setEngine(Engine engine) { m_engine = std::move(engine); }
    // How long the window waits for a run before it shows it as going and takes keys again.
    void setListAtOnceWithin(int ms) { m_listAtOnceMs = ms; }

signals:
    // Progress of a run long enough to show it, after the bar shows it.
    void progressed(double fill);
    // A run listed its result; `conditions` are those it ran with, as the boxes now show
    // them where the run rewrote a box.
    void completed(const shrink4::RunResult& run, const shrink4::ConditionInputs& conditions);
    // A run is over, whether it listed numbers or failed.
    void finished();
    // A conversion listed its group forms.
    void converted();

private:
    void complete(const std::shared_ptr<RunJob>& job);
    void list(RunJob& job);
    void showRunning(bool running);
    void setRunButtonsEnabled(bool enabled);
    void pollProgress();
    void reportFailure(const QString& what);

    const RunForm& m_run;
    const ConditionForm& m_conditions;
    ResultView& m_results;
    QWidget* m_window;
    Engine m_engine;
    std::function<void(const std::function<void()>&)> m_group;
    std::shared_ptr<RunJob> m_job; // the run going, if any
    std::vector<Then> m_then;      // what waits for it
    QTimer m_progress;
    bool m_shown = false; // the window shows a run going
    int m_listAtOnceMs;
    QPointer<QWidget> m_focus;   // where the player was when the run began
    QPointer<QWidget> m_movedTo; // where disabling the buttons moved the focus
};

} // namespace shrink4
