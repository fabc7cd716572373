#include "ui/trends/FiguresModel.h"

#include "trends/TrendRules.h"

#include "ui/widgets/PaletteColors.h"

#include <QBrush>
#include <QGuiApplication>
#include <QColor>
#include <QFont>

#include <array>

namespace shrink4 {

namespace {

struct Column {
    const char* caption;
    const char* tooltip;
};

constexpr std::array<Column, 8> kColumns = {{
    {"值", "这一类里的值"},
    {"开出", "所选期数中开出这个值的期数"},
    {"理论", "所选期数乘以这个值在 0000–9999 中所占的比例：随机开奖时平均开出的期数"},
    {"当前遗漏", "最近一次开出后又过了几期；没有开出过则为所选期数"},
    {"该开未开",
     "按理论该开未开的次数：当前遗漏 × 这个值在 0000–9999 中所占的比例。"
     "难得开出的值遗漏再久，这个数也小"},
    {"最大遗漏", "所选期数中连续没有开出的最长期数（含开头和现在）"},
    {"平均遗漏", "（期数 − 开出）÷（开出 + 1）"},
    {"冷热", "冷：按理论该开未开次数最多的 K 个；热：开出比理论多得最多的 K 个（K 在上方选择）"},
}};

enum ColumnIndex { Value, Hits, Expected, Current, Overdue, Max, Average, Leaning };

std::vector<bool> marks(const std::vector<int>& picked, std::size_t size)
{
    std::vector<bool> marked(size);
    for (const int v : picked)
        marked[std::size_t(v)] = true;
    return marked;
}

} // namespace

void FiguresModel::setFigures(const trends::WindowFigures& figures, int track, int coldHotCount)
{
    beginResetModel();
    m_track = track;
    m_values.clear();
    for (int v = 0; v < trends::valueCount(track); ++v)
        m_values.push_back(figures.at(track, v));
    const auto counts = figures.countsOf(track);
    m_cold = marks(trends::pickTrack(trends::Leaning::cold, coldHotCount, counts), m_values.size());
    m_hot = marks(trends::pickTrack(trends::Leaning::hot, coldHotCount, counts), m_values.size());
    endResetModel();
}

int FiguresModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_values.size());
}

int FiguresModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(kColumns.size());
}

QString FiguresModel::leaning(int row) const
{
    const auto r = std::size_t(row);
    if (m_cold[r] && m_hot[r])
        return QStringLiteral("冷 热");
    return m_cold[r] ? QStringLiteral("冷") : m_hot[r] ? QStringLiteral("热") : QString();
}

QVariant FiguresModel::display(int row, int column) const
{
    const auto& f = m_values[std::size_t(row)];
    switch (column) {
    case Value: {
        const auto text = trends::familyInfo(trends::tracks()[std::size_t(m_track)].family).values[std::size_t(row)];
        return QString::fromUtf8(text.data(), qsizetype(text.size()));
    }
    case Hits:
        return f.hits;
    case Expected:
        return QString::number(f.expected, 'f', 2);
    case Current:
        return f.current;
    case Overdue:
        return QString::number(f.overdue, 'f', 2);
    case Max:
        return f.max;
    case Average:
        return QString::number(f.average, 'f', 2);
    default:
        return leaning(row);
    }
}

QVariant FiguresModel::sortKey(int row, int column) const
{
    const auto& f = m_values[std::size_t(row)];
    switch (column) {
    case Value:
        return row;
    case Expected:
        return f.expected;
    case Overdue:
        return f.overdue;
    case Average:
        return f.average;
    case Leaning:
        return int(m_cold[std::size_t(row)]) - int(m_hot[std::size_t(row)]);
    default:
        return display(row, column);
    }
}

QVariant FiguresModel::data(const QModelIndex& index, int role) const
{
    const int row = index.row(), column = index.column();
    const bool marked = m_cold[std::size_t(row)] || m_hot[std::size_t(row)];
    switch (role) {
    case Qt::DisplayRole:
        return display(row, column);
    case kSortRole:
        return sortKey(row, column);
    case Qt::TextAlignmentRole:
        return int(column == Value || column == Leaning ? Qt::AlignLeft | Qt::AlignVCenter
                                                        : Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole: {
        QFont font;
        font.setBold(marked);
        return font;
    }
    case Qt::ForegroundRole:
        if (column != Leaning || !marked)
            return {};
        return QBrush(readableOn(m_hot[std::size_t(row)] ? QColor(0xc6, 0x28, 0x28) : QColor(0x15, 0x65, 0xc0),
                                 QGuiApplication::palette().color(QPalette::Base)));
    default:
        return {};
    }
}

QVariant FiguresModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromUtf8(kColumns[std::size_t(section)].caption);
    if (role == Qt::ToolTipRole)
        return QString::fromUtf8(kColumns[std::size_t(section)].tooltip);
    return {};
}

} // namespace shrink4
