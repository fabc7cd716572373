#pragma once
// Fmain: the window that holds every condition, runs the filter and shows its result.

#include "ui/main/ConditionBinding.h"
#include "ui/main/ConditionForm.h"
#include "ui/sets/MainWindowLink.h"
#include "ui/trends/ConditionsLink.h"

#include <QMainWindow>

#include <functional>

class QMenu;
class QScrollArea;
class QSplitter;

namespace shrink4 {

class ConditionHistory;
class DanButtons;
class FirstStartHint;
class LiveRun;
class MoneyLine;
class PagedConditions;
class PrizeSetting;
class ResultView;
class RunController;
class SchemeDocument;
class UndoNotice;
struct ResultReport;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    ConditionInputs conditions() const { return readConditions(m_form); }
    // Puts the conditions in place whole, as a start does: the history begins again.
    void setConditions(const ConditionInputs& inputs);

    // Loads a scheme into the controls and makes it the current scheme. A file that cannot
    // be read shows its error and changes nothing.
    bool openScheme(const QString& path);
    // Writes the conditions to path, which becomes the current scheme.
    bool saveScheme(const QString& path);
    // 保存方案 (Ctrl+S): the current scheme, or asks where when there is none.
    bool save();
    // 方案另存为 (Ctrl+Shift+S): asks where, starting from the current scheme.
    bool saveAs();
    QString currentScheme() const;

    // Keeps the conditions in `path` from now on: they are put back from it now, and
    // written to it after each run and when the window closes; the last result beside it
    // likewise. Without a call nothing is kept.
    void setSessionFile(const QString& path);
    // 新建方案 (Ctrl+N): the start-up conditions, no current scheme, no result.
    void newScheme();
    // Closes without any question (a shutdown): what can be kept is kept.
    void closeForShutdown();
    // Keeps the past draws of the history view in `path`. Without a call none are kept.
    void setDrawsFile(const QString& path) { m_drawsPath = path; }

    // Puts back what the last session remembered (size and place, scroll position, page,
    // current scheme); closing remembers them. Without a call nothing is put back.
    void restoreSettings();

    RunController& runner() { return *m_runner; }
    LiveRun& liveRun() { return *m_live; }
    PagedConditions& pages() { return *m_form.pages; }
    ConditionHistory& history() { return *m_history; }
    // The prize table in use, and the cost line that follows it.
    PrizeSetting& prizes() { return *m_prizes; }
    QString resultText() const;
    // The shown result with its scheme, notes and conditions, as printed and exported.
    ResultReport resultReport() const;

protected:
    // Closing the main window ends the program, tool windows included.
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildConditions();
    QWidget* buildResultColumn();
    void buildActions();
    void buildLiveCounts();
    void addStatsAction(QMenu* analysis);
    void addHistoryAction(QMenu* analysis);
    void buildSchemeMenu();
    void addGuideAction(QMenu* help);
    void addExportToResultList();
    void connectButtons();
    void copyResult();
    void exportResult();
    void addPrintActions(QMenu* menu);
    // What the set tool may ask of this window: its result, and a new 大底.
    MainWindowLink setToolLink();
    ConditionsLink trendsLink();
    void showTrends();
    // 方案 → 奖金设置: the prize table in use, edited in a dialog.
    void showPrizeSettings();
    void showHelp(HelpTopic topic);
    void openSchemeDialog();
    void openRecentScheme(const QString& path);
    void showSchemeState();
    // True when the conditions on screen may be replaced: saved, or the player chose.
    bool mayReplaceConditions();
    // Runs a sweeping change of the conditions as one step named `step` that takes the
    // result and the current scheme back too, empties the result and offers the way back.
    void sweep(const QString& step, const QString& done, const std::function<void()>& change);
    // Copy and export take the result of the conditions on screen: a stale one is run again.
    void withCurrentResult(const std::function<void()>& action);
    void restoreLastResult();
    bool saveSession();
    void reportSessionProblem(const QString& problem);
    bool mayCloseAfter(bool sessionSaved);
    void focusFirstCondition();

    ConditionForm m_form;
    RunForm m_run;
    QScrollArea* m_scroll = nullptr;
    QSplitter* m_split = nullptr;
    DanButtons* m_dan = nullptr;
    ConditionHistory* m_history = nullptr;
    ResultView* m_results = nullptr;
    RunController* m_runner = nullptr;
    UndoNotice* m_undoClear = nullptr;
    FirstStartHint* m_startHint = nullptr;
    LiveRun* m_live = nullptr;
    PrizeSetting* m_prizes = nullptr;
    MoneyLine* m_money = nullptr;
    QString m_drawsPath;
    SchemeDocument* m_document = nullptr;
    QString m_sessionPath;
    QString m_sessionProblem; // the last one shown, so that it is said once
    bool m_remembers = false;
    bool m_shuttingDown = false;
    bool m_closing = false; // while closeEvent keeps the session
};

} // namespace shrink4
