#pragma once
// 历史回测: the past draws, and how the main window's conditions would have fared on
// them: a table of the draws, the summary beside a random pick's hit rate, two charts.
// It follows the main window's live run while it is open.

#include "core/NumberSet.h"
#include "engine/Backtest.h"
#include "engine/PrizeOdds.h"

#include <QWidget>

class QModelIndex;
class QLabel;
class QSpinBox;
class QTableView;

namespace shrink4 {

namespace charts {
class BarChart;
}
class BacktestModel;
class DrawsPanel;
class LiveRun;
class PrizeSetting;

class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    // `drawsPath`: where the draws are kept; empty keeps none. `prizes` prices the listed
    // numbers on every draw.
    HistoryWindow(QWidget* mainWindow, LiveRun& live, const QString& drawsPath, PrizeSetting& prizes);

    // The latest backtest on show.
    const Backtest& backtest() const { return m_backtest; }

signals:
    // The player asked for the 走势 of the kept draws.
    void trendsAsked();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildResults();
    void refresh();
    void showReason(const QModelIndex& current);
    std::vector<Draw> drawsInView() const;
    // What the listed numbers pay on each of the 10,000 draws: worked out once per run and
    // prize table, then looked up by each draw's number.
    const DrawPayouts& payoutsOf(const NumberSet& listed);

    LiveRun& m_live;
    PrizeSetting& m_prizes;
    NumberSet m_paidFor;
    QByteArray m_paidTable; // the prize table's file form
    DrawPayouts m_payouts;
    DrawsPanel* m_draws = nullptr;
    QSpinBox* m_last = nullptr;
    QLabel* m_summary = nullptr;
    QLabel* m_verdict = nullptr;
    QTableView* m_table = nullptr;
    QLabel* m_reason = nullptr;
    BacktestModel* m_model = nullptr;
    charts::BarChart* m_timeline = nullptr;
    charts::BarChart* m_rates = nullptr;
    Backtest m_backtest;
};

} // namespace shrink4
