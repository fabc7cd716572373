#pragma once
// The figures of one family's values over the window: hits, expected hits, current
// omission and the shows it missed by the value's share, longest and average omission, and
// whether the value is among the K coldest or hottest, said in words so that it reads
// without colour.

#include "trends/TrendFigures.h"

#include <QAbstractTableModel>

namespace shrink4 {

class FiguresModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // What the columns sort by: the value's place in its family, or the figure itself.
    static constexpr int kSortRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    void setFigures(const trends::WindowFigures& figures, int track, int coldHotCount);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant display(int row, int column) const;
    QVariant sortKey(int row, int column) const;
    QString leaning(int row) const;

    std::vector<trends::ValueFigures> m_values;
    std::vector<bool> m_cold, m_hot;
    int m_track = 0;
};

} // namespace shrink4
