#include "BarChart.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace shrink4::charts {

namespace {

const QColor kMarkedColor{40, 90, 220};
// Hatched, not a paler colour: the bar keeps its series' colour and still reads as unsure.
constexpr Qt::BrushStyle kUnsureFill = Qt::BDiagPattern;

bool whole(const QList<qreal>& values)
{
    return std::all_of(values.begin(), values.end(), [](qreal v) { return v == std::floor(v); });
}

} // namespace

BarChart::BarChart(Qt::Orientation bars, QWidget* parent)
    : CategoryChart(bars, parent)
{
}

void BarChart::setBars(const QStringList& captions, const QList<ChartSeries>& parts)
{
    m_parts = parts;
    m_line = {};
    m_marked = -1;
    m_unsure.clear();
    m_unsureCaption.clear();
    setCategories(captions);
}

void BarChart::setUnsureBars(const QList<bool>& unsure, const QString& caption)
{
    m_unsure = unsure;
    m_unsureCaption = caption;
    update();
}

void BarChart::setLine(const ChartSeries& line)
{
    m_line = line;
    setCategories(captions());
}

void BarChart::clear(const QString& title)
{
    setBars({}, {});
    setTitle(title);
}

void BarChart::markBar(int k)
{
    m_marked = k >= 0 && k < captions().size() && barTotal(k) > 0 ? k : -1;
    update();
}

qreal BarChart::barTotal(int k) const
{
    qreal total = 0;
    for (const ChartSeries& part : m_parts)
        total += part.values.value(k);
    return total;
}

QPoint BarChart::barCenter(int k) const
{
    if (k < 0 || k >= captions().size())
        return {};
    return barPart(k, 0, barTotal(k)).center().toPoint();
}

qreal BarChart::largestValue() const
{
    qreal largest = 0;
    for (int k = 0; k < captions().size(); ++k)
        largest = std::max(largest, barTotal(k));
    for (qreal v : m_line.values)
        largest = std::max(largest, v);
    return largest;
}

bool BarChart::wholeNumbers() const
{
    return std::all_of(m_parts.begin(), m_parts.end(), [](const ChartSeries& s) { return whole(s.values); });
}

QList<ChartSeries> BarChart::legendEntries() const
{
    QList<ChartSeries> entries = m_parts;
    if (!m_line.values.isEmpty())
        entries << m_line;
    if (std::find(m_unsure.begin(), m_unsure.end(), true) != m_unsure.end() && !m_parts.isEmpty())
        entries << ChartSeries{m_unsureCaption, m_parts.front().color, {}, Qt::SolidLine, kUnsureFill};
    return entries;
}

bool BarChart::legendAsLine(const ChartSeries& entry) const
{
    return !m_line.values.isEmpty() && entry.name == m_line.name;
}

void BarChart::paintData(QPainter& painter) const
{
    for (int k = 0; k < captions().size(); ++k) {
        qreal from = 0;
        for (const ChartSeries& part : m_parts) {
            const qreal value = part.values.value(k);
            if (value > 0)
                paintBarPart(painter, k, barPart(k, from, from + value), k == m_marked ? kMarkedColor : part.color);
            from += value;
        }
    }
    if (!m_line.values.isEmpty())
        paintLine(painter, m_line);
}

void BarChart::paintBarPart(QPainter& painter, int k, const QRectF& part, const QColor& color) const
{
    if (!unsure(k)) {
        painter.fillRect(part, color);
        return;
    }
    painter.fillRect(part, QBrush(color, kUnsureFill));
    painter.setPen(QPen(color, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(part);
}

void BarChart::mousePressEvent(QMouseEvent* event)
{
    CategoryChart::mousePressEvent(event);
    const int k = categoryAt(event->position());
    if (event->button() == Qt::LeftButton && k >= 0)
        emit barClicked(k);
}

} // namespace shrink4::charts
