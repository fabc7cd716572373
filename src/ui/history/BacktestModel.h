#pragma once
// The backtest's draws as a table, newest first: label, number, listed, how many
// conditions failed it and which (by caption), or that it lay outside the base pool.

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

    std::vector<DrawOutcome> m_outcomes; // time order
    QHash<QString, QString> m_captions;
};

} // namespace shrink4
