#include "ui/trends/OmissionGridModel.h"

#include "ui/widgets/PaletteColors.h"

#include <QBrush>
#include <QGuiApplication>
#include <QColor>
#include <QFont>

namespace shrink4 {

void OmissionGridModel::setGrid(std::vector<trends::OmissionRow> rows, std::vector<Draw> draws)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_draws = std::move(draws);
    endResetModel();
}

int OmissionGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int OmissionGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 10;
}

QVariant OmissionGridModel::data(const QModelIndex& index, int role) const
{
    const int omission = m_rows[std::size_t(index.row())][std::size_t(index.column())];
    const bool drawn = omission == 0;
    switch (role) {
    case Qt::DisplayRole:
        return drawn ? index.column() : omission;
    case kDrawnRole:
        return drawn;
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::FontRole: {
        QFont font;
        font.setBold(drawn);
        return font;
    }
    case Qt::BackgroundRole:
        return drawn ? QBrush(QColor(0xc6, 0x28, 0x28)) : QVariant();
    case Qt::ForegroundRole:
        return drawn ? QBrush(Qt::white) : QGuiApplication::palette().brush(QPalette::PlaceholderText);
    case Qt::ToolTipRole:
        return drawn ? QStringLiteral("开出 %1").arg(index.column())
                     : QStringLiteral("%1 已遗漏 %2 期").arg(index.column()).arg(omission);
    default:
        return {};
    }
}

QVariant OmissionGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section;
    const auto& draw = m_draws[std::size_t(section)];
    const QString number = QString::number(draw.number).rightJustified(4, QLatin1Char('0'));
    return draw.label ? QStringLiteral("%1  %2").arg(QString::fromStdString(*draw.label), number) : number;
}

} // namespace shrink4
