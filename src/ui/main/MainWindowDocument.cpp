// The main window's conditions as a document: the current scheme, the kept session and
// last result, and the sweeping changes that replace the conditions, each with a question
// or a way back.
#include "ui/main/MainWindow.h"

#include "scheme/ArgumentBytes.h"

#include "ui/main/ConditionHistory.h"
#include "ui/application/KeepNothing.h"
#include "ui/main/FirstStartHint.h"
#include "ui/main/PagedConditions.h"
#include "ui/application/RecentSchemesMenu.h"
#include "ui/main/ResultView.h"
#include "ui/main/RunController.h"
#include "ui/application/SchemeDialogs.h"
#include "ui/application/SchemeDocument.h"
#include "ui/application/SchemeFileAccess.h"
#include "ui/widgets/ScreenFit.h"
#include "ui/application/SessionFile.h"
#include "ui/main/UndoNotice.h"
#include "ui/application/WindowSettings.h"
#include "ui/application/WindowTexts.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>

namespace shrink4 {

namespace {

const QString kSessionTitle = QStringLiteral("条件未能保留");

QString programTitle()
{
    return keepsNothing() ? texts::kWindowTitle + QStringLiteral("（不保存）") : texts::kWindowTitle;
}

// What a sweeping change replaces beside the conditions, to be put back by its undo (and
// what it made, for its redo).
struct Before {
    ResultView::Shown result;
    QString scheme;
    ConditionInputs schemeSaved;
};

} // namespace

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Nothing is kept for the next start: changes not saved as a scheme would be lost unasked.
    const bool unkept = keepsNothing() && !m_shuttingDown && isVisible();
    if (unkept && !mayReplaceConditions()) {
        event->ignore();
        return;
    }
    // The question about closing names the problem: no warning of it besides.
    m_closing = true;
    const bool saved = saveSession();
    m_closing = false;
    if (!mayCloseAfter(saved)) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    if (!event->isAccepted())
        return;
    if (m_remembers) {
        saveWindowState({this, m_scroll, m_split, m_form.pages});
        m_startHint->keep();
    }
    QCoreApplication::quit();
}

void MainWindow::closeForShutdown()
{
    m_shuttingDown = true;
    close();
}

// Closing keeps the session without a question; only when it cannot be kept does the
// player get to save the conditions elsewhere first.
bool MainWindow::mayCloseAfter(bool sessionSaved)
{
    if (sessionSaved || m_shuttingDown || !isVisible())
        return true;
    QMessageBox box(QMessageBox::Warning, kSessionTitle,
                    m_sessionProblem + QStringLiteral("\n\n关闭后，当前条件将不会在下次启动时恢复。"),
                    QMessageBox::NoButton, this);
    QPushButton* saveAs = box.addButton(QStringLiteral("另存为方案…"), QMessageBox::AcceptRole);
    box.addButton(QStringLiteral("仍然关闭"), QMessageBox::DestructiveRole);
    QPushButton* stay = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    box.setDefaultButton(saveAs);
    box.exec();
    if (box.clickedButton() == stay)
        return false;
    return box.clickedButton() != saveAs || this->saveAs();
}

void MainWindow::setSessionFile(const QString& path)
{
    m_sessionPath = path;
    const SessionReading kept = loadSession(path);
    if (kept.inputs)
        m_history->restart([&] { writeConditions(m_form, *kept.inputs); });
    // The kept conditions are where this start begins: no "*" for them.
    m_document->setClean(QString(), readConditions(m_form));
    restoreLastResult();
    m_startHint->offer(!kept.inputs && kept.problem.isEmpty()); // nothing kept: a first start
    if (!kept.problem.isEmpty())
        QTimer::singleShot(0, this, [this, problem = kept.problem] {
            QMessageBox::warning(this, kSessionTitle, problem, QMessageBox::Ok);
        });
}

void MainWindow::restoreLastResult()
{
    const std::optional<KeptResult> kept = loadLastResult(lastResultPath(m_sessionPath));
    if (kept && m_runner->showResultOf(kept->conditions, kept->groupForms))
        m_results->belongTo(kept->conditions, kept->ranAt, true);
}

bool MainWindow::saveSession()
{
    if (m_sessionPath.isEmpty())
        return true;
    QString problem;
    std::optional<KeptResult> result;
    if (m_results->hasResult())
        result = KeptResult{m_results->conditions(), m_results->ranAt(), m_results->groupForms()};
    const bool saved = shrink4::saveSession(m_sessionPath, readConditions(m_form), &problem)
                       && saveLastResult(lastResultPath(m_sessionPath), result, &problem);
    if (saved)
        m_sessionProblem.clear();
    else
        reportSessionProblem(problem);
    return saved;
}

// Said once until the session can be kept again: a full disk should not interrupt every run.
void MainWindow::reportSessionProblem(const QString& problem)
{
    const bool repeated = problem == m_sessionProblem;
    m_sessionProblem = problem;
    if (repeated || m_shuttingDown || m_closing || !isVisible())
        return;
    QTimer::singleShot(0, this, [this, problem] {
        QMessageBox::warning(this, kSessionTitle,
                             problem + QStringLiteral("\n\n可用【方案】→【方案另存为】把条件保存到别处。"),
                             QMessageBox::Ok);
    });
}

void MainWindow::restoreSettings()
{
    m_remembers = true;
    restoreWindowState({this, m_scroll, m_split, m_form.pages});
    focusFirstCondition(); // on the page put back
    // Qt keeps the window on a screen, but a smaller screen than last time may still be
    // too small for it.
    resize(fittedWindowSize(this, size()));
    // The conditions come from the session; the scheme tells where Save writes and whether
    // they still match it.
    const QString scheme = rememberedCurrentScheme();
    if (scheme.isEmpty())
        return;
    const SchemeOpening opened = openSchemeChecked(scheme);
    if (opened.inputs)
        m_document->setFile(scheme, *opened.inputs);
}

bool MainWindow::mayReplaceConditions()
{
    m_document->compare();
    if (!m_document->isModified())
        return true;
    const QString text =
        m_document->path().isEmpty()
            ? QStringLiteral("当前条件有未保存的改动，要先保存吗？")
            : QStringLiteral("方案 %1 有未保存的改动，要先保存吗？").arg(QFileInfo(m_document->path()).fileName());
    QMessageBox box(QMessageBox::Question, texts::kWindowTitle, text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Save);
    box.button(QMessageBox::Discard)->setText(QStringLiteral("不保存")); // Qt's own word is 丢弃
    const int answer = box.exec();
    if (answer == QMessageBox::Save)
        return save();
    return answer == QMessageBox::Discard;
}

void MainWindow::sweep(const QString& step, const QString& done, const std::function<void()>& change)
{
    auto before = std::make_shared<Before>(Before{m_results->current(), m_document->path(), m_document->saved()});
    auto after = std::make_shared<Before>();
    const auto putBack = [this](const Before& state) {
        m_document->setFile(state.scheme, state.schemeSaved);
        rememberCurrentScheme(state.scheme);
    };
    ConditionHistory::SideEffects effects{[this, before, putBack] {
                                              putBack(*before);
                                              m_results->restore(before->result);
                                          },
                                          [this, after, putBack] {
                                              putBack(*after);
                                              m_results->clear();
                                          }};
    m_history->group(
        step,
        [&] {
            change();
            m_results->clear();
            *after = Before{{}, m_document->path(), m_document->saved()};
        },
        std::move(effects));
    m_undoClear->offerLastStep(done, m_history->stack());
}

void MainWindow::newScheme()
{
    if (!mayReplaceConditions())
        return;
    sweep(QStringLiteral("新建方案"), QStringLiteral("已新建方案"), [this] {
        clearAllConditions(m_form);
        m_document->setClean(QString(), readConditions(m_form));
        rememberCurrentScheme(QString());
    });
}

bool MainWindow::openScheme(const QString& path)
{
    SchemeOpening scheme = openSchemeChecked(path);
    if (!scheme.inputs) {
        QMessageBox::warning(this, texts::kOpenSchemeCaption, scheme.message, QMessageBox::Ok);
        return false;
    }
    const QString name = QFileInfo(path).fileName();
    // A name that is not UTF-8 is read by its bytes, but Qt would save to another name: the
    // conditions come in as a new scheme, to be saved under a name of the player's choice.
    const bool byBytes = holdsStrayBytes(path);
    sweep(QStringLiteral("打开方案 %1").arg(name), QStringLiteral("已打开方案 %1").arg(name), [&] {
        editConditions(m_form, *scheme.inputs);
        m_document->setClean(byBytes ? QString() : path, std::move(*scheme.inputs));
        rememberCurrentScheme(byBytes ? QString() : path);
    });
    if (byBytes)
        QMessageBox::information(
            this, texts::kOpenSchemeCaption,
            QStringLiteral("方案 %1 的文件名不是 UTF-8 编码：条件已读入，保存时请另取一个文件名。").arg(escaped(name)),
            QMessageBox::Ok);
    else
        addRecentScheme(path);
    return true;
}

bool MainWindow::saveScheme(const QString& path)
{
    ConditionInputs inputs = readConditions(m_form);
    QString message;
    if (!saveSchemeChecked(path, inputs, &message)) {
        QMessageBox::warning(this, texts::kSaveSchemeCaption, message, QMessageBox::Ok);
        return false;
    }
    m_document->setClean(path, std::move(inputs));
    addRecentScheme(path);
    rememberCurrentScheme(path);
    return true;
}

bool MainWindow::save()
{
    return m_document->path().isEmpty() ? saveAs() : saveScheme(m_document->path());
}

bool MainWindow::saveAs()
{
    const QString path = askSchemeSavePath(this, m_document->path());
    return !path.isEmpty() && saveScheme(path);
}

QString MainWindow::currentScheme() const
{
    return m_document->path();
}

void MainWindow::openSchemeDialog()
{
    if (!mayReplaceConditions())
        return;
    const QString path = askSchemeToOpen(this);
    if (!path.isEmpty())
        openScheme(path);
}

void MainWindow::openRecentScheme(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        removeRecentScheme(path);
        QMessageBox::warning(this, texts::kOpenSchemeCaption, texts::kSchemeGone.arg(QDir::toNativeSeparators(path)),
                             QMessageBox::Ok);
        return;
    }
    if (mayReplaceConditions())
        openScheme(path);
}

void MainWindow::showSchemeState()
{
    const QString path = m_document->path();
    setWindowTitle(path.isEmpty() ? programTitle() + QStringLiteral("[*]")
                                  : QStringLiteral("%1[*] - %2").arg(QFileInfo(path).fileName(), programTitle()));
    setWindowModified(m_document->isModified());
}

// Copy and export hand the list to the player: it must be of the conditions on screen.
// A stale list, or one a run going is about to replace, is run again first, and handed
// over once the run lists it.
void MainWindow::withCurrentResult(const std::function<void()>& action)
{
    if (!m_results->isStale() && !m_runner->running())
        return action();
    const auto whenListed = [this, action] {
        if (!m_results->isStale())
            action();
    };
    if (m_results->groupForms())
        m_runner->convertToGroups(whenListed);
    else
        m_runner->start([whenListed](const RunResult&) { whenListed(); });
}

} // namespace shrink4
