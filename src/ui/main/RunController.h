#pragma once
// The start button's run and the group conversion, with the run buttons disabled and
// the progress frame shown for their whole length.

#include "engine/FilterRun.h"

#include <QObject>

#include <optional>

class QWidget;

namespace shrink4 {

struct ConditionForm;
struct RunForm;
class ResultView;

class RunController : public QObject {
    Q_OBJECT
public:
    RunController(const RunForm& run, const ConditionForm& conditions, ResultView& results, QWidget* window);

    // One filter run with the conditions as they stand.
    std::optional<RunResult> runFilter();
    // A full run, then its survivors as group forms.
    void convertToGroups();
    // Lists the result of `inputs` without touching the boxes (a result kept from an
    // earlier start). False when it could not be run.
    bool showResultOf(const ConditionInputs& inputs, bool groupForms);

    void setRunButtonsEnabled(bool enabled);
    bool running() const { return m_running; }

signals:
    // Every progress report of a run or conversion, after the bar shows it.
    void progressed(double fill);
    // A run listed its result: the run of the conditions as they now stand.
    void completed(const shrink4::RunResult& run);
    // A run is over, whether it listed numbers or failed.
    void finished();
    // A conversion listed its group forms.
    void converted();

private:
    friend class RunScope;
    std::optional<RunResult> runOnce();
    void setFill(double fill);
    void reportFailure(const char* what);

    const RunForm& m_run;
    const ConditionForm& m_conditions;
    ResultView& m_results;
    QWidget* m_window;
    bool m_running = false;
};

} // namespace shrink4
