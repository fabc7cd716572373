#pragma once
// Bars of stacked parts, one per category, with an optional line over them (what chance
// would give, say). A click anywhere in a bar's column chooses it: a bar of a few numbers
// beside one of thousands is too thin to hit.

#include "ui/widgets/charts/CategoryChart.h"

namespace shrink4::charts {

class BarChart : public CategoryChart {
    Q_OBJECT
public:
    explicit BarChart(Qt::Orientation bars = Qt::Vertical, QWidget* parent = nullptr);

    // parts[s].values[i] is part s of bar i, stacked in order from the axis.
    void setBars(const QStringList& captions, const QList<ChartSeries>& parts);
    // Drawn over the bars through their middles; an empty series removes it.
    void setLine(const ChartSeries& line);
    // Forgets the bars; the title says why the chart is empty.
    void clear(const QString& title);

    const QList<ChartSeries>& parts() const { return m_parts; }
    // Bars flagged here are drawn hatched, too uncertain to judge by; `caption` says why in
    // the legend. setBars forgets them.
    void setUnsureBars(const QList<bool>& unsure, const QString& caption);
    const QList<bool>& unsureBars() const { return m_unsure; }
    // Bar k drawn in the marking colour; -1 marks none.
    void markBar(int k);
    int markedBar() const { return m_marked; }
    // The middle of bar k, for a click.
    QPoint barCenter(int k) const;

signals:
    void barClicked(int k);

protected:
    qreal largestValue() const override;
    bool wholeNumbers() const override;
    QList<ChartSeries> legendEntries() const override;
    bool legendAsLine(const ChartSeries& entry) const override;
    void paintData(QPainter& painter) const override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    qreal barTotal(int k) const;
    bool unsure(int k) const { return m_unsure.value(k); }
    void paintBarPart(QPainter& painter, int k, const QRectF& part, const QColor& color) const;

    QList<ChartSeries> m_parts;
    ChartSeries m_line;
    int m_marked = -1;
    QList<bool> m_unsure;
    QString m_unsureCaption;
};

} // namespace shrink4::charts
