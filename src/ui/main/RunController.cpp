#include "RunController.h"

#include "ui/main/ConditionBinding.h"
#include "ui/main/ConditionForm.h"
#include "ui/main/ResultView.h"
#include "ui/widgets/TwoBoxProgressBar.h"
#include "ui/application/WindowTexts.h"
#include "tools/GroupConversion.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPointer>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>

#include <exception>

namespace shrink4 {

// Holds the window in its running state; leaving the scope by any path, a failure
// included, hides the progress frame and gives the buttons back.
class RunScope {
public:
    explicit RunScope(RunController& c)
        : m_c(c),
          m_focus(QApplication::focusWidget())
    {
        m_c.m_running = true;
        m_c.setRunButtonsEnabled(false);
        m_c.m_run.progressBar->setFraction(0.001);
        m_c.m_run.progressFrame->show();
    }
    ~RunScope()
    {
        m_c.m_run.progressBar->setFraction(1.0);
        m_c.m_run.progressFrame->hide();
        m_c.setRunButtonsEnabled(true);
        // F5 pressed while typing: the typing goes on where it was.
        if (m_focus)
            m_focus->setFocus();
        else
            m_c.m_run.start->setFocus();
        m_c.m_running = false;
    }
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

private:
    RunController& m_c;
    QPointer<QWidget> m_focus; // disabling the run buttons may move the focus away
};

RunController::RunController(const RunForm& run, const ConditionForm& conditions, ResultView& results, QWidget* window)
    : QObject(window),
      m_run(run),
      m_conditions(conditions),
      m_results(results),
      m_window(window)
{
    connect(m_run.start, &QPushButton::clicked, this, [this] { runFilter(); });
    connect(m_run.convert, &QPushButton::clicked, this, &RunController::convertToGroups);
}

void RunController::setRunButtonsEnabled(bool enabled)
{
    for (QPushButton* b : {m_run.convert, m_run.copy, m_run.clearAll, m_run.start})
        b->setEnabled(enabled);
}

void RunController::setFill(double fill)
{
    m_run.progressBar->setFraction(fill);
    emit progressed(fill);
    // Let the bar repaint. Input waits until the run is over: the run works on the
    // conditions as they stood when it started.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void RunController::reportFailure(const char* what)
{
    QMessageBox::critical(m_window, texts::kErrorTitle,
                          QStringLiteral("缩水未能完成：%1").arg(QString::fromLocal8Bit(what)), QMessageBox::Ok);
}

std::optional<RunResult> RunController::runFilter()
{
    if (m_running)
        return std::nullopt;
    std::optional<RunResult> result = runOnce();
    emit finished();
    return result;
}

std::optional<RunResult> RunController::runOnce()
{
    std::optional<RunResult> result;
    try {
        RunScope scope(*this);
        m_results.resetPrizeCheck();
        result = filterRun(readConditions(m_conditions), [this](double fill) { setFill(fill); });
        writeBackTexts(m_conditions, result->rewritten);
        // The boxes hold them now: the copies kept for the prize check and the live counts
        // need not carry megabytes of text.
        result->rewritten = {};
        m_results.show(result->list, false);
        m_results.explainWith(*result);
        emit completed(*result);
    } catch (const std::exception& e) {
        reportFailure(e.what());
        return std::nullopt;
    }
    return result;
}

bool RunController::showResultOf(const ConditionInputs& inputs, bool groupForms)
{
    try {
        RunResult run = filterRun(inputs);
        run.rewritten = {};
        if (groupForms)
            m_results.show(ConvertToGroups(run.verdict.minus(run.outsidePool)), true);
        else
            m_results.show(run.list, false);
        m_results.explainWith(std::move(run));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void RunController::convertToGroups()
{
    const std::optional<RunResult> run = runFilter();
    if (!run)
        return;
    try {
        RunScope scope(*this);
        setFill(0.1);
        // Only numbers the run listed: the base pool limits the conversion as it
        // limits the list.
        ResultList groups = ConvertToGroups(run->verdict.minus(run->outsidePool));
        m_results.show(std::move(groups), true);
    } catch (const std::exception& e) {
        reportFailure(e.what());
        return;
    }
    emit converted();
}

} // namespace shrink4
