#pragma once
// 统计: what each condition row of the conditions as they stand removes, as a sortable
// table, and the failure-count histogram of the base pool as a bar chart with the total
// tolerance window marked; a click on a bar lists its numbers. It follows the conditions
// while it is open.

#include <QWidget>

class QLabel;
class QStandardItemModel;
class QTableView;

namespace shrink4 {

class HistogramChart;
class LiveRun;
class TextBox;
struct LiveState;
struct RunStatistics;

class StatsWindow : public QWidget {
    Q_OBJECT
public:
    // A tool window of mainWindow: closing it only hides it.
    StatsWindow(QWidget* mainWindow, LiveRun& live);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showState(const LiveState& state);
    void fillTable(const RunStatistics& stats);
    void listNumbers(int failures);

    LiveRun& m_live;
    QLabel* m_summary = nullptr;
    QLabel* m_noRows = nullptr;
    QTableView* m_table = nullptr;
    QStandardItemModel* m_model = nullptr;
    HistogramChart* m_chart = nullptr;
    QLabel* m_numbersCaption = nullptr;
    TextBox* m_numbers = nullptr;
    int m_chosenBar = -1;
    bool m_stale = true;
};

} // namespace shrink4
