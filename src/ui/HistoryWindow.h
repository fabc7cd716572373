#pragma once
// 历史回测: the past draws, and how the main window's conditions would have fared on
// them: a table of the draws, the summary beside a random pick's hit rate, two charts.
// It follows the conditions while it is open.

#include "engine/Backtest.h"
#include "engine/FilterRun.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

class QChartView;
class QLabel;
class QSpinBox;
class QTableView;

namespace shrink4 {

struct ConditionForm;
class BacktestModel;
class DrawsPanel;

class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    using ConditionsFn = std::function<ConditionInputs()>;
    // `drawsPath`: where the draws are kept; empty keeps none.
    HistoryWindow(QWidget* mainWindow, ConditionsFn conditions, const QString& drawsPath);

    // The conditions changed: a new run follows shortly, and only while the window shows.
    void conditionsChanged();
    // Runs a pending follow at once instead of after its wait.
    void followNow();

    // The latest backtest on show.
    const Backtest& backtest() const { return m_backtest; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildResults();
    void rerun();
    void refresh();
    std::vector<Draw> drawsInView() const;

    ConditionsFn m_conditions;
    DrawsPanel* m_draws = nullptr;
    QSpinBox* m_last = nullptr;
    QLabel* m_summary = nullptr;
    QTableView* m_table = nullptr;
    BacktestModel* m_model = nullptr;
    QChartView* m_timeline = nullptr;
    QChartView* m_rates = nullptr;
    QTimer m_follow;
    std::optional<RunResult> m_run; // the conditions' run, until they change
    Backtest m_backtest;
};

// Shows the history window of `mainWindow`, made on first use and kept when closed, so
// it reopens as it was; it follows the conditions of `form`.
void showHistoryTool(QWidget* mainWindow, const ConditionForm& form, const QString& drawsPath);

} // namespace shrink4
