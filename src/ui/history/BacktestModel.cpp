#include "BacktestModel.h"

#include "ui/history/HistoryTexts.h"
#include "ui/money/MoneyTexts.h"

#include "core/TextScan.h"

#include "ui/widgets/PaletteColors.h"

#include <QBrush>
#include <QGuiApplication>
#include <QColor>

#include <limits>

namespace shrink4 {

void BacktestModel::setOutcomes(std::vector<DrawOutcome> outcomes, QHash<QString, QString> captions, Money money)
{
    beginResetModel();
    m_outcomes = std::move(outcomes);
    m_captions = std::move(captions);
    m_money = std::move(money);
    m_money.paid.resize(m_outcomes.size());
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, Paid, Net); // the currency may have changed
}

QString BacktestModel::caption(int column) const
{
    const QString caption = texts::kOutcomeColumns.value(column);
    if (column < Paid || column > Net || m_money.currency.isEmpty())
        return caption;
    return QStringLiteral("%1（%2）").arg(caption, m_money.currency);
}

double BacktestModel::moneyAt(int row, Column column) const
{
    const double paid = m_money.paid[m_outcomes.size() - 1 - std::size_t(row)];
    switch (column) {
    case Paid:
        return paid;
    case Cost:
        return m_money.cost;
    default:
        break;
    }
    return paid - m_money.cost;
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
    QStringList captions;
    for (const auto& key : e.failed) {
        const QString k = QString::fromUtf8(key.data(), qsizetype(key.size()));
        captions << m_captions.value(k, k);
    }
    const QString failed = captions.join(QStringLiteral("、"));
    if (e.inPool)
        return failed;
    return failed.isEmpty() ? texts::kOutsidePool : QStringLiteral("%1；不符：%2").arg(texts::kOutsidePool, failed);
}

QVariant BacktestModel::display(const DrawOutcome& o, int row, Column column) const
{
    const NumberExplanation& e = o.explanation;
    switch (column) {
    case Label:
        return o.draw.label ? QString::fromStdString(*o.draw.label) : texts::kNoLabel;
    case Number:
        return QString::fromStdString(numberText(o.draw.number));
    case Listed:
        return e.listed ? texts::kListedMark : texts::kMissedMark;
    case FailCount:
        return e.inPool ? QVariant(e.failCount) : QVariant(texts::kOutsidePool);
    case Paid:
    case Cost:
        return money::amount(moneyAt(row, column));
    case Net: {
        const double net = moneyAt(row, column);
        return net > 0 ? QStringLiteral("+") + money::amount(net) : money::amount(net);
    }
    case Failed:
        return failedText(e);
    case ColumnCount:
        break;
    }
    return {};
}

QVariant BacktestModel::sortKey(const DrawOutcome& o, int row, Column column) const
{
    switch (column) {
    case Label:
        return int(m_outcomes.size()) - 1 - row;
    case Number:
        return o.draw.number;
    case Listed:
        return int(o.explanation.listed);
    case FailCount:
        return o.explanation.inPool ? o.explanation.failCount : std::numeric_limits<int>::max();
    case Paid:
    case Cost:
    case Net:
        return moneyAt(row, column);
    case Failed:
    case ColumnCount:
        break;
    }
    return display(o, row, column);
}

QVariant BacktestModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const DrawOutcome& o = outcomeAt(index.row());
    const NumberExplanation& e = o.explanation;
    const auto column = Column(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return display(o, index.row(), column);
    case Qt::ToolTipRole:
        // The whole reason, however narrow its column.
        return column == Failed ? display(o, index.row(), column) : QVariant();
    case Qt::TextAlignmentRole:
        if (column >= Paid && column <= Net) // amounts line up by their last digit
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return column == Failed ? QVariant() : QVariant(Qt::AlignCenter);
    case Qt::ForegroundRole:
        if (column == Listed)
            return QBrush(readableOn(e.listed ? QColor(0x1b, 0x7f, 0x3b) : QColor(0xc0, 0x39, 0x2b),
                                     QGuiApplication::palette().color(QPalette::Base)));
        return {};
    case kTimeIndexRole:
        return int(m_outcomes.size()) - 1 - index.row();
    case kSortRole:
        return sortKey(o, index.row(), column);
    default:
        return {};
    }
}

QVariant BacktestModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::InitialSortOrderRole) // the newest draws first
        return int(section == Label ? Qt::DescendingOrder : Qt::AscendingOrder);
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return caption(section);
}

} // namespace shrink4
