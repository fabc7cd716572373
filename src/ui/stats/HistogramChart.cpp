#include "HistogramChart.h"

namespace shrink4 {

namespace {

const QColor kKeptColor{60, 170, 60};
const QColor kRemovedColor{200, 90, 70};

} // namespace

HistogramChart::HistogramChart(QWidget* parent)
    : BarChart(Qt::Vertical, parent)
{
    setAxisTitles(QStringLiteral("不符合的条件数"), QStringLiteral("号码数"));
}

void HistogramChart::showBars(const HistogramBars& bars)
{
    charts::ChartSeries kept{QStringLiteral("容错内：保留"), kKeptColor, {}};
    charts::ChartSeries removed{QStringLiteral("容错外：删除"), kRemovedColor, {}};
    QStringList captions;
    for (std::size_t k = 0; k < bars.counts.size(); ++k) {
        kept.values << (bars.kept[k] ? bars.counts[k] : 0);
        removed.values << (bars.kept[k] ? 0 : bars.counts[k]);
        captions << QString::number(k);
    }
    setBars(captions, {kept, removed});
    setTitle(bars.title);
}

} // namespace shrink4
