#pragma once
// The backtest's draws as a table, newest first: label, number, listed, how many
// conditions failed it and which (by caption). A draw outside the base pool says so in
// place of its count: the run lists none of those, whatever they fail.

#include "engine/Backtest.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QString>

namespace shrink4 {

class BacktestModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Label, Number, Listed, FailCount, Failed, ColumnCount };
    // Qt::UserRole on any column: the row's position in the backtest's time order.
    static constexpr int kTimeIndexRole = Qt::UserRole;
    // What a column sorts by: numbers as numbers, a draw outside the pool after every count.
    static constexpr int kSortRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    // `captions` maps a row key to what the window calls the condition.
    void setOutcomes(std::vector<DrawOutcome> outcomes, QHash<QString, QString> captions);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const DrawOutcome& outcomeAt(int row) const;
    QString failedText(const NumberExplanation& e) const;
    QVariant display(const DrawOutcome& o, Column column) const;
    QVariant sortKey(const DrawOutcome& o, int row, Column column) const;

    std::vector<DrawOutcome> m_outcomes; // time order
    QHash<QString, QString> m_captions;
};

} // namespace shrink4
