#include "RunController.h"

#include "ConditionBinding.h"
#include "ControlRegistry.h"
#include "ResultView.h"
#include "TwoBoxProgressBar.h"
#include "WindowTexts.h"
#include "tools/GroupConversion.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>

#include <exception>

namespace shrink4 {

namespace {

const char* const kRunButtons[] = {"C_guolv_zhuan_zuxuan", "C_copy", "C_all_cls", "C_guolv_ks"};

} // namespace

// Holds the window in its running state; leaving the scope by any path, a failure
// included, hides the progress frame and gives the buttons back.
class RunScope {
public:
    explicit RunScope(RunController& c) : m_c(c)
    {
        m_c.m_running = true;
        m_c.SetRunButtons(false);
        m_c.m_bar->setFraction(0.001);
        m_c.m_frame->show();
    }
    ~RunScope()
    {
        m_c.m_bar->setFraction(1.0);
        m_c.m_frame->hide();
        m_c.SetRunButtons(true);
        m_c.m_controls.button(QStringLiteral("C_guolv_ks"))->setFocus();
        m_c.m_running = false;
    }
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

private:
    RunController& m_c;
};

RunController::RunController(const ControlRegistry& controls, const ConditionBinding& binding,
                             ResultView& results, QWidget* window)
    : QObject(window), m_controls(controls), m_binding(binding), m_results(results), m_window(window),
      m_frame(controls.widget(QStringLiteral("Frame_jindu"))),
      m_bar(qobject_cast<TwoBoxProgressBar*>(controls.widget(QStringLiteral("T_jindutiao(0)"))))
{
    connect(m_controls.button(QStringLiteral("C_guolv_ks")), &QAbstractButton::clicked, this,
            [this] { C_guolv_ks_Click(); });
    connect(m_controls.button(QStringLiteral("C_guolv_zhuan_zuxuan")), &QAbstractButton::clicked, this,
            &RunController::C_guolv_zhuan_zuxuan_Click);
}

void RunController::SetRunButtons(bool enabled)
{
    for (const char* name : kRunButtons)
        m_controls.button(QString::fromLatin1(name))->setEnabled(enabled);
}

void RunController::setFill(double fill)
{
    m_bar->setFraction(fill);
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

std::optional<RunResult> RunController::C_guolv_ks_Click()
{
    if (m_running)
        return std::nullopt;
    std::optional<RunResult> result;
    try {
        RunScope scope(*this);
        m_results.resetPrizeCheck();
        // Moved in: with boxes of megabytes, a copy of the conditions costs as much as a stage.
        result = filterRun(m_binding.read(), [this](double fill) { setFill(fill); });
        m_binding.writeTexts(result->rewritten);
        m_results.show(result->list, false);
    } catch (const std::exception& e) {
        reportFailure(e.what());
        return std::nullopt;
    }
    return result;
}

void RunController::C_guolv_zhuan_zuxuan_Click()
{
    const std::optional<RunResult> run = C_guolv_ks_Click();
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
    }
}

} // namespace shrink4
