#include "RunController.h"

#include "ui/main/ConditionBinding.h"
#include "ui/main/ConditionForm.h"
#include "ui/main/ResultView.h"
#include "ui/widgets/TextConversion.h"
#include "ui/widgets/TwoBoxProgressBar.h"
#include "ui/widgets/textbox/TextBox.h"
#include "ui/application/WindowTexts.h"
#include "tools/GroupConversion.h"

#include <QFutureWatcher>
#include <QGroupBox>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSemaphore>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <atomic>
#include <exception>
#include <new>
#include <optional>
#include <type_traits>
#include <utility>

namespace shrink4 {

// One start of a run: what the window handed over, and what the worker made of it.
struct RunJob {
    ConditionSnapshot snapshot;
    std::vector<std::pair<ControlId, QString>> asRead; // the boxes' texts when the run began
    std::atomic_bool cancel{false};
    std::atomic<double> fill{0.001};
    QSemaphore done;
    // Written by the worker before `done` is released.
    std::optional<RunResult> run;
    ConditionInputs inputs;                               // as run, with the rewritten boxes
    std::vector<std::pair<ControlId, QString>> rewritten; // ready to show
    QString failure;
};

namespace {

// A run that ends within this is listed before the window paints again: no progress frame
// flashes for the ordinary run of well under a millisecond.
constexpr int kListAtOnceMs = 12;
constexpr int kProgressPollMs = 40;

struct Overtaken {};

void setText(ConditionInputs& inputs, ControlId id, const std::string& text)
{
    forEachControl(inputs, [&](const ControlMeta& meta, auto& value) {
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(value)>, std::string>)
            if (meta.id == id)
                value = text;
    });
}

QString failureText(const std::exception& e)
{
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return QStringLiteral("内存不足，请减少条件框中的内容后再试。");
    return QString::fromLocal8Bit(e.what());
}

void work(RunJob& job, const RunController::Engine& engine)
{
    try {
        job.inputs = finishConditions(std::move(job.snapshot));
        RunResult run = engine(job.inputs, [&job](double fill) {
            if (job.cancel)
                throw Overtaken{};
            job.fill = fill;
        });
        for (const auto& [id, text] : run.rewritten) {
            setText(job.inputs, id, text);
            job.rewritten.emplace_back(id, fromInputText(text));
        }
        // The boxes will hold them: the copies kept for the prize check and the live counts
        // need not carry megabytes of text.
        run.rewritten = {};
        job.run = std::move(run);
    } catch (const Overtaken&) {
    } catch (const std::exception& e) {
        job.failure = failureText(e);
    }
    job.done.release();
}

} // namespace

RunController::RunController(const RunForm& run, const ConditionForm& conditions, ResultView& results, QWidget* window)
    : QObject(window),
      m_run(run),
      m_conditions(conditions),
      m_results(results),
      m_window(window),
      m_engine([](const ConditionInputs& inputs, const ProgressFn& progress) { return filterRun(inputs, progress); }),
      m_listAtOnceMs(kListAtOnceMs)
{
    m_progress.setInterval(kProgressPollMs);
    connect(&m_progress, &QTimer::timeout, this, &RunController::pollProgress);
    connect(m_run.start, &QPushButton::clicked, this, [this] { start(); });
    connect(m_run.convert, &QPushButton::clicked, this, [this] { convertToGroups(); });
}

RunController::~RunController()
{
    if (m_job)
        m_job->cancel = true; // nobody waits for it any more
}

void RunController::start(Then then)
{
    if (then)
        m_then.push_back(std::move(then));
    if (m_job)
        m_job->cancel = true; // dropped: its conditions are older
    auto job = std::make_shared<RunJob>();
    job->snapshot = snapshotConditions(m_conditions);
    for (const ConditionSnapshot::Text& text : job->snapshot.texts)
        job->asRead.emplace_back(text.meta->id, text.shown);
    m_job = job;

    auto* watcher = new QFutureWatcher<void>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, job] {
        watcher->deleteLater();
        complete(job);
    });
    watcher->setFuture(QtConcurrent::run([job, engine = m_engine] { work(*job, engine); }));
    if (job->done.tryAcquire(1, m_listAtOnceMs))
        complete(job);
    else
        showRunning(true);
}

void RunController::convertToGroups(std::function<void()> then)
{
    start([this, then = std::move(then)](const RunResult& run) {
        try {
            // Only numbers the run listed: the base pool limits the conversion as it
            // limits the list.
            m_results.show(ConvertToGroups(run.verdict.minus(run.outsidePool)), true);
        } catch (const std::exception& e) {
            reportFailure(failureText(e));
            return;
        }
        emit converted();
        if (then)
            then();
    });
}

void RunController::complete(const std::shared_ptr<RunJob>& job)
{
    if (job != m_job)
        return; // dropped, or listed already
    m_job.reset();
    showRunning(false);
    if (job->run) {
        list(*job);
        for (const Then& then : std::exchange(m_then, {}))
            then(*job->run);
    } else {
        m_then.clear();
        reportFailure(job->failure);
    }
    emit finished();
}

void RunController::list(RunJob& job)
{
    const auto rewrite = [this, &job] {
        for (const auto& [id, shown] : job.rewritten) {
            TextBox* box = m_conditions[id].texts.front();
            const auto read =
                std::find_if(job.asRead.begin(), job.asRead.end(), [id = id](const auto& r) { return r.first == id; });
            const QString now = box->toPlainText();
            // Typed into while the run went: the player's text wins, and the result is marked
            // as of other conditions.
            if (read != job.asRead.end() && now == read->second && now != shown)
                box->replaceAll(shown); // an edit the player can undo
        }
    };
    if (m_group && !job.rewritten.empty())
        m_group(rewrite);
    else
        rewrite();
    m_results.explainWith(*job.run);
    m_results.show(job.run->list, false);
    emit completed(*job.run, job.inputs);
}

bool RunController::showResultOf(const ConditionInputs& inputs, bool groupForms)
{
    try {
        RunResult run = filterRun(inputs);
        run.rewritten = {};
        ResultList list = groupForms ? ConvertToGroups(run.verdict.minus(run.outsidePool)) : std::move(run.list);
        m_results.explainWith(std::move(run));
        m_results.show(std::move(list), groupForms);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void RunController::showRunning(bool running)
{
    if (running == m_shown)
        return;
    m_shown = running;
    m_run.results->setProperty("running", running);
    if (running) {
        m_focus = m_window->focusWidget();
        m_run.progressBar->setFraction(0.001);
        m_run.progressFrame->show();
        setRunButtonsEnabled(false);
        m_movedTo = m_window->focusWidget();
        m_progress.start();
        emit progressed(0.001);
        return;
    }
    m_progress.stop();
    m_run.progressBar->setFraction(1.0);
    m_run.progressFrame->hide();
    setRunButtonsEnabled(true);
    // Disabling a focused button moved the focus on: it goes back. Focus the player moved
    // elsewhere meanwhile stays where they put it.
    if (m_focus && m_window->focusWidget() == m_movedTo)
        m_focus->setFocus();
}

void RunController::setRunButtonsEnabled(bool enabled)
{
    // 开始缩水 stays: pressing it again starts over with the conditions as they now stand.
    for (QPushButton* b : {m_run.convert, m_run.copy, m_run.clearAll})
        b->setEnabled(enabled);
}

void RunController::pollProgress()
{
    if (!m_job)
        return;
    const double fill = m_job->fill;
    m_run.progressBar->setFraction(fill);
    emit progressed(fill);
}

void RunController::reportFailure(const QString& what)
{
    QMessageBox::critical(m_window, texts::kErrorTitle, QStringLiteral("缩水未能完成：%1").arg(what), QMessageBox::Ok);
}

} // namespace shrink4
