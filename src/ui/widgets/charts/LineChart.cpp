#include "LineChart.h"

#include <algorithm>
#include <cmath>

namespace shrink4::charts {

LineChart::LineChart(QWidget* parent)
    : CategoryChart(Qt::Vertical, parent)
{
}

void LineChart::setLines(const QStringList& captions, const QList<ChartSeries>& lines)
{
    m_lines = lines;
    setCategories(captions);
}

qreal LineChart::largestValue() const
{
    qreal largest = 0;
    for (const ChartSeries& line : m_lines)
        for (qreal v : line.values)
            largest = std::max(largest, v);
    return largest;
}

bool LineChart::wholeNumbers() const
{
    return std::all_of(m_lines.begin(), m_lines.end(), [](const ChartSeries& line) {
        return std::all_of(line.values.begin(), line.values.end(), [](qreal v) { return v == std::floor(v); });
    });
}

void LineChart::paintData(QPainter& painter) const
{
    for (const ChartSeries& line : m_lines)
        paintLine(painter, line);
}

} // namespace shrink4::charts
