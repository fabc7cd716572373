#pragma once
// The trend grid of one position: the draws as rows (oldest at the top), the digits as
// columns; the drawn digit's cell shows the digit, every other cell its omission then.

#include "engine/Draws.h"
#include "trends/TrendFigures.h"

#include <QAbstractTableModel>

#include <vector>

namespace shrink4 {

class OmissionGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // True in Qt::UserRole for the drawn digit's cell.
    static constexpr int kDrawnRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    void setGrid(std::vector<trends::OmissionRow> rows, std::vector<Draw> draws);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<trends::OmissionRow> m_rows;
    std::vector<Draw> m_draws;
};

} // namespace shrink4
