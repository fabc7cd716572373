#include "BarCaptionAxis.h"

#include <QChart>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace shrink4 {

namespace {

// Steps a reader counts in easily.
constexpr int kSteps[] = {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};

} // namespace

BarCaptionAxis::BarCaptionAxis(QStringList captions, QObject* parent)
    : QCategoryAxis(parent),
      m_captions(std::move(captions))
{
    setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    setGridLineVisible(false);
    caption(1);
}

void BarCaptionAxis::attachBelow(QChart* chart)
{
    chart->addAxis(this, Qt::AlignBottom);
    // Queued: the captions change the chart's layout, which is what reports the plot area.
    connect(
        chart, &QChart::plotAreaChanged, this, [this](const QRectF& plot) { fit(plot.width()); }, Qt::QueuedConnection);
    fit(chart->plotArea().width());
}

void BarCaptionAxis::fit(qreal plotWidth)
{
    if (m_captions.isEmpty() || plotWidth <= 0)
        return;
    const QFontMetricsF metrics(labelsFont());
    qreal widest = 0;
    for (const QString& c : std::as_const(m_captions))
        widest = std::max(widest, metrics.horizontalAdvance(c));
    // A gap of two digits between neighbouring captions.
    const qreal room = widest + 2 * metrics.horizontalAdvance(QLatin1Char('0'));
    const qreal perBar = plotWidth / qreal(m_captions.size());
    const int needed = int(std::ceil(room / perBar));
    const int* step = std::find_if(std::begin(kSteps), std::end(kSteps), [&](int s) { return s >= needed; });
    caption(step == std::end(kSteps) ? int(m_captions.size()) : *step);
}

void BarCaptionAxis::caption(int step)
{
    if (step == m_step)
        return;
    m_step = step;
    for (const QString& label : categoriesLabels())
        remove(label);
    // Before the first caption: its category would otherwise start at its own bar.
    setStartValue(-0.5);
    for (qsizetype i = 0; i < m_captions.size(); i += step)
        append(m_captions[i], qreal(i));
    setRange(-0.5, qreal(m_captions.size()) - 0.5);
}

} // namespace shrink4
