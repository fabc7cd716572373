#pragma once
// The start button's run and the group conversion, with the run buttons disabled and
// the progress frame shown for their whole length.

#include "engine/FilterRun.h"

#include <QObject>

#include <optional>

class QWidget;

namespace shrink4 {

class ConditionBinding;
class ControlRegistry;
class ResultView;
class TwoBoxProgressBar;

class RunController : public QObject {
    Q_OBJECT
public:
    RunController(const ControlRegistry& controls, const ConditionBinding& binding, ResultView& results,
                  QWidget* window);

    // C_guolv_ks_Click: one filter run with the conditions as they stand.
    std::optional<RunResult> C_guolv_ks_Click();
    // C_guolv_zhuan_zuxuan_Click: a full run, then its survivors as group forms.
    void C_guolv_zhuan_zuxuan_Click();

    void SetRunButtons(bool enabled);
    bool running() const { return m_running; }

signals:
    // Every progress report of a run or conversion, after the bar shows it.
    void progressed(double fill);

private:
    friend class RunScope;
    void setFill(double fill);
    void reportFailure(const char* what);

    const ControlRegistry& m_controls;
    const ConditionBinding& m_binding;
    ResultView& m_results;
    QWidget* m_window;
    QWidget* m_frame;
    TwoBoxProgressBar* m_bar;
    bool m_running = false;
};

} // namespace shrink4
