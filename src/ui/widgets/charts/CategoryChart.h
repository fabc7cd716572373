#pragma once
// What every chart of ours shares: a title, one slot per category with its caption, a value
// axis from 0 with ticks and grid lines, and a legend below. Categories run left to right
// with values upwards, or top to bottom with values to the right. Sizes
// come from the widget's font, so the chart reads the same at any scaling.

#include <QColor>
#include <QList>
#include <QRectF>
#include <QStringList>
#include <QWidget>

#include "ui/widgets/charts/ChartScale.h"

namespace shrink4::charts {

// A named row of values, one per category.
struct ChartSeries {
    QString name;
    QColor color;
    QList<qreal> values;
    Qt::PenStyle style = Qt::SolidLine;     // for lines
    Qt::BrushStyle fill = Qt::SolidPattern; // for bars' legend swatches
};

class CategoryChart : public QWidget {
    Q_OBJECT
public:
    // Qt::Vertical: bars stand up, categories left to right; Qt::Horizontal: bars lie, first
    // category at the top.
    explicit CategoryChart(Qt::Orientation bars, QWidget* parent = nullptr);

    QString title() const { return m_title; }
    void setTitle(const QString& title);
    QStringList captions() const { return m_captions; }
    // Axis titles: what the categories are, and what the values count.
    void setAxisTitles(const QString& categories, const QString& values);
    // Written after each value on the axis (as "%").
    void setValueSuffix(const QString& suffix);
    // The value axis ends at `top` whatever the values; 0 fits it to them.
    void setFixedTop(qreal top);

    // One caption stands for this many categories (1: each has its own).
    int captionStep() const;
    // Where the captions shown stand, in the widget's coordinates.
    QList<QRectF> captionRects() const;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    // Replaces the categories; subclasses call it with their values.
    void setCategories(const QStringList& captions);
    // The largest value the axis must reach; whether values are counts.
    virtual qreal largestValue() const = 0;
    virtual bool wholeNumbers() const { return true; }
    virtual QList<ChartSeries> legendEntries() const = 0;
    virtual bool legendAsLine(const ChartSeries& entry) const = 0;
    virtual void paintData(QPainter& painter) const = 0;

    // The band of category i, across the whole value range.
    QRectF slot(int i) const;
    // The part of category i's bar (80 % of its band) between two values.
    QRectF barPart(int i, qreal from, qreal to) const;
    // The centre of category i's band at a value.
    QPointF point(int i, qreal value) const;
    // The category under a point of the plot, or -1.
    int categoryAt(QPointF at) const;
    void paintLine(QPainter& painter, const ChartSeries& line) const;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Parts {
        QRectF title, plot, legend;
        QRectF valueTitle, categoryTitle;
        qreal captionExtent = 0; // room for captions across the category direction
        ValueTicks ticks;
        int step = 1;
    };
    bool vertical() const { return m_orientation == Qt::Vertical; }
    void relayout();
    Parts measure() const;
    QString tickText(qreal value, const ValueTicks& ticks) const;
    QString captionText(int i) const;
    void paintFrame(QPainter& painter) const;
    void paintCaptions(QPainter& painter) const;
    void paintLegend(QPainter& painter) const;

    Qt::Orientation m_orientation;
    QString m_title;
    QStringList m_captions;
    QString m_categoryTitle;
    QString m_valueTitle;
    QString m_suffix;
    qreal m_fixedTop = 0;
    Parts m_parts;
};

} // namespace shrink4::charts
