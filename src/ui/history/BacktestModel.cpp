#include "BacktestModel.h"

#include "ui/history/HistoryTexts.h"

#include "core/TextScan.h"

#include <QBrush>
#include <QColor>

namespace shrink4 {

void BacktestModel::setOutcomes(std::vector<DrawOutcome> outcomes, QHash<QString, QString> captions)
{
    beginResetModel();
    m_outcomes = std::move(outcomes);
    m_captions = std::move(captions);
    endResetModel();
}

int BacktestModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_outcomes.size());
}

int BacktestModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

const DrawOutcome& BacktestModel::outcomeAt(int row) const
{
    return m_outcomes[m_outcomes.size() - 1 - std::size_t(row)];
}

QString BacktestModel::failedText(const NumberExplanation& e) const
{
    QStringList parts;
    if (!e.inPool)
        parts << texts::kOutsidePool;
    for (const auto& key : e.failed) {
        const QString k = QString::fromUtf8(key.data(), qsizetype(key.size()));
        parts << m_captions.value(k, k);
    }
    return parts.join(QStringLiteral("、"));
}

QVariant BacktestModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const DrawOutcome& o = outcomeAt(index.row());
    const NumberExplanation& e = o.explanation;
    switch (role) {
    case Qt::DisplayRole:
        switch (Column(index.column())) {
        case Label:
            return o.draw.label ? QString::fromStdString(*o.draw.label) : texts::kNoLabel;
        case Number:
            return QString::fromStdString(numberText(o.draw.number));
        case Listed:
            return e.listed ? texts::kListedMark : texts::kMissedMark;
        case FailCount:
            return e.failCount;
        case Failed:
            return failedText(e);
        case ColumnCount:
            break;
        }
        return {};
    case Qt::TextAlignmentRole:
        return index.column() == Failed ? QVariant() : QVariant(Qt::AlignCenter);
    case Qt::ForegroundRole:
        if (index.column() == Listed)
            return QBrush(e.listed ? QColor(0x1b, 0x7f, 0x3b) : QColor(0xc0, 0x39, 0x2b));
        return {};
    case kTimeIndexRole:
        return int(m_outcomes.size()) - 1 - index.row();
    default:
        return {};
    }
}

QVariant BacktestModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return texts::kOutcomeColumns.value(section);
}

} // namespace shrink4
