#pragma once
// Lines across the categories, one point per category, each series in its colour.

#include "ui/widgets/charts/CategoryChart.h"

namespace shrink4::charts {

class LineChart : public CategoryChart {
    Q_OBJECT
public:
    explicit LineChart(QWidget* parent = nullptr);

    void setLines(const QStringList& captions, const QList<ChartSeries>& lines);
    const QList<ChartSeries>& lines() const { return m_lines; }

protected:
    qreal largestValue() const override;
    bool wholeNumbers() const override;
    QList<ChartSeries> legendEntries() const override { return m_lines; }
    bool legendAsLine(const ChartSeries&) const override { return true; }
    void paintData(QPainter& painter) const override;

private:
    QList<ChartSeries> m_lines;
};

} // namespace shrink4::charts
