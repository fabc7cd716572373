#include "HistogramChart.h"

#include "ui/widgets/BarCaptionAxis.h"

#include <QBarSet>
#include <QChart>
#include <QMouseEvent>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>

namespace shrink4 {

namespace {

const QColor kKeptColor{60, 170, 60};
const QColor kRemovedColor{200, 90, 70};
const QColor kMarkedColor{40, 90, 220};

QBarSet* makeSet(const QString& label, const QColor& color)
{
    auto* set = new QBarSet(label);
    set->setColor(color);
    set->setBorderColor(color.darker(130));
    set->setSelectedColor(kMarkedColor);
    return set;
}

} // namespace

HistogramChart::HistogramChart(QWidget* parent)
    : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    chart()->legend()->setAlignment(Qt::AlignBottom);
    chart()->setMargins(QMargins(4, 4, 4, 4));
}

void HistogramChart::clear()
{
    chart()->removeAllSeries(); // deletes the sets with their series
    for (QAbstractAxis* axis : chart()->axes())
        chart()->removeAxis(axis), delete axis;
    m_kept = m_removed = nullptr;
    m_counts.clear();
}

void HistogramChart::showBars(const HistogramBars& bars)
{
    clear();
    chart()->setTitle(bars.title);
    if (bars.counts.empty())
        return;
    m_counts = bars.counts;
    m_kept = makeSet(QStringLiteral("容错内：保留"), kKeptColor);
    m_removed = makeSet(QStringLiteral("容错外：删除"), kRemovedColor);
    QStringList categories;
    for (std::size_t k = 0; k < bars.counts.size(); ++k) {
        const bool kept = bars.kept[k];
        *m_kept << (kept ? bars.counts[k] : 0);
        *m_removed << (kept ? 0 : bars.counts[k]);
        categories << QString::number(k);
    }
    auto* series = new QStackedBarSeries;
    series->append(m_kept);
    series->append(m_removed);
    series->setBarWidth(0.8);
    chart()->addSeries(series);

    auto* x = new BarCaptionAxis(categories);
    x->setTitleText(QStringLiteral("不符合的条件数"));
    auto* y = new QValueAxis;
    y->setRange(0, std::max(1, *std::max_element(bars.counts.begin(), bars.counts.end())));
    y->setLabelFormat(QStringLiteral("%d"));
    y->applyNiceNumbers();
    y->setTitleText(QStringLiteral("号码数"));
    x->attachBelow(chart());
    chart()->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
}

void HistogramChart::markBar(int k)
{
    for (QBarSet* set : {m_kept, m_removed})
        if (set) {
            set->deselectAllBars();
            if (k >= 0 && k < set->count() && set->at(k) > 0)
                set->selectBar(k);
        }
}

void HistogramChart::mousePressEvent(QMouseEvent* event)
{
    QChartView::mousePressEvent(event);
    if (m_counts.empty() || event->button() != Qt::LeftButton)
        return;
    const QPointF inChart = chart()->mapFromScene(mapToScene(event->position().toPoint()));
    if (!chart()->plotArea().contains(inChart))
        return;
    const int k = qRound(chart()->mapToValue(inChart, chart()->series().constFirst()).x());
    if (k >= 0 && k < int(m_counts.size()))
        emit barClicked(k);
}

QPoint HistogramChart::barCenter(int k) const
{
    if (m_counts.empty() || k < 0 || k >= int(m_counts.size()))
        return {};
    QAbstractSeries* series = chart()->series().constFirst();
    const QPointF scene = chart()->mapToPosition(QPointF(k, m_counts[std::size_t(k)] / 2.0), series);
    return mapFromScene(chart()->mapToScene(scene));
}

} // namespace shrink4
