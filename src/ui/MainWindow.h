#pragma once
// Fmain: the window that holds every condition, runs the filter and shows its result.

#include "ConditionBinding.h"
#include "ConditionForm.h"

#include <QMainWindow>

class QMenu;

namespace shrink4 {

class DanButtons;
class LiveRun;
class StatsWindow;
class PagedConditions;
class ResultView;
class RunController;
class UndoNotice;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    ConditionInputs conditions() const { return readConditions(m_form); }
    void setConditions(const ConditionInputs& inputs) { writeConditions(m_form, inputs); }

    // Loads a scheme into the controls. A file that cannot be read shows its error and
    // changes nothing.
    bool openScheme(const QString& path);
    bool saveScheme(const QString& path);

    // Keeps the conditions in `path` from now on: they are put back from it now, and
    // written to it after each run and when the window closes. Without a call nothing
    // is kept.
    void setSessionFile(const QString& path);
    // Keeps the past draws of the history view in `path`. Without a call none are kept.
    void setDrawsFile(const QString& path) { m_drawsPath = path; }

    RunController& runner() { return *m_runner; }
    LiveRun& liveRun() { return *m_live; }
    PagedConditions& pages() { return *m_form.pages; }
    QString resultText() const;

protected:
    // Closing the main window ends the program, tool windows included.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    void buildActions();
    void buildLiveCounts();
    void addStatsAction(QMenu* analysis);
    void showStats();
    void addHistoryAction(QMenu* analysis);
    void connectButtons();
    void copyResult();
    void clearAll();
    void showHelp(HelpTopic topic);
    void openSchemeDialog();
    void saveSchemeDialog();
    void showSchemeName(const QString& path);
    void saveSession();

    ConditionForm m_form;
    RunForm m_run;
    DanButtons* m_dan = nullptr;
    ResultView* m_results = nullptr;
    RunController* m_runner = nullptr;
    UndoNotice* m_undoClear = nullptr;
    LiveRun* m_live = nullptr;
    StatsWindow* m_stats = nullptr; // made at its first opening, kept when closed
    QString m_sessionPath;
    QString m_drawsPath;
};

} // namespace shrink4
