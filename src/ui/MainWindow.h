#pragma once
// Fmain: the window that holds every condition, runs the filter and shows its result.

#include "ConditionBinding.h"
#include "ConditionForm.h"

#include <QMainWindow>

class QMenu;
class QScrollArea;

namespace shrink4 {

class DanButtons;
class LiveRun;
class StatsWindow;
class PagedConditions;
class ResultView;
class RunController;
class SchemeDocument;
class UndoNotice;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    ConditionInputs conditions() const { return readConditions(m_form); }
    void setConditions(const ConditionInputs& inputs) { writeConditions(m_form, inputs); }

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
    // written to it after each run and when the window closes. Without a call nothing
    // is kept.
    void setSessionFile(const QString& path);
    // Keeps the past draws of the history view in `path`. Without a call none are kept.
    void setDrawsFile(const QString& path) { m_drawsPath = path; }

    // Puts back what the last session remembered (size and place, scroll position, page,
    // current scheme); closing remembers them. Without a call nothing is put back.
    void restoreSettings();

    RunController& runner() { return *m_runner; }
    LiveRun& liveRun() { return *m_live; }
    PagedConditions& pages() { return *m_form.pages; }
    QString resultText() const;

protected:
    // Closing the main window ends the program, tool windows included.
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildConditions();
    void buildActions();
    void buildLiveCounts();
    void addStatsAction(QMenu* analysis);
    void showStats();
    void addHistoryAction(QMenu* analysis);
    void buildSchemeMenu();
    void addExportToResultList();
    void connectButtons();
    void copyResult();
    void exportResult();
    void clearAll();
    void showHelp(HelpTopic topic);
    void openSchemeDialog();
    void openRecentScheme(const QString& path);
    void showSchemeState();
    void saveSession();
    void focusFirstCondition();

    ConditionForm m_form;
    RunForm m_run;
    QScrollArea* m_scroll = nullptr;
    DanButtons* m_dan = nullptr;
    ResultView* m_results = nullptr;
    RunController* m_runner = nullptr;
    UndoNotice* m_undoClear = nullptr;
    LiveRun* m_live = nullptr;
    StatsWindow* m_stats = nullptr; // made at its first opening, kept when closed
    QString m_drawsPath;
    SchemeDocument* m_document = nullptr;
    QString m_sessionPath;
    bool m_remembers = false;
};

} // namespace shrink4
