#pragma once
// The backtest's draws as a table, newest first: label, number, listed, how many
// conditions failed it, what the listed numbers would have paid on it, cost and net by the
// prize table in use, and which conditions failed it (by caption). A draw outside the base
// pool says so in place of its count: the run lists none of those, whatever they fail.

#include "engine/Backtest.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QString>

namespace shrink4 {

class BacktestModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Label, Number, Listed, FailCount, Paid, Cost, Net, Failed, ColumnCount };
    // Qt::UserRole on any column: the row's position in the backtest's time order.
    static constexpr int kTimeIndexRole = Qt::UserRole;
    // What a column sorts by: numbers as numbers, a draw outside the pool after every count.
    static constexpr int kSortRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    // What the listed numbers paid on each draw (in the outcomes' time order) and cost on
    // every one; `currency` goes into the headers.
    struct Money {
        std::vector<double> paid;
        double cost = 0;
        QString currency;
    };

    // `captions` maps a row key to what the window calls the condition.
    void setOutcomes(std::vector<DrawOutcome> outcomes, QHash<QString, QString> captions, Money money);
    // A column's caption.
    QString caption(int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const DrawOutcome& outcomeAt(int row) const;
    QString failedText(const NumberExplanation& e) const;
    QVariant display(const DrawOutcome& o, int row, Column column) const;
    QVariant sortKey(const DrawOutcome& o, int row, Column column) const;
    // The money of the draw at a table row: paid, cost or net.
    double moneyAt(int row, Column column) const;

    std::vector<DrawOutcome> m_outcomes; // time order
    QHash<QString, QString> m_captions;
    Money m_money;
};

} // namespace shrink4
