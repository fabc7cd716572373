#pragma once
// The failure-count histogram of the base pool as a bar chart: bar k counts the pool's
// numbers that k condition rows fail. Bars inside the total tolerance window (kept by the
// verdict) and outside it are two colours with a legend; a click on a bar chooses it.

#include "ui/widgets/charts/BarChart.h"

#include <vector>

namespace shrink4 {

struct HistogramBars {
    std::vector<int> counts; // [k]: pool numbers failed exactly k times
    std::vector<bool> kept;  // [k]: the verdict keeps numbers failed k times
    QString title;
};

class HistogramChart : public charts::BarChart {
    Q_OBJECT
public:
    explicit HistogramChart(QWidget* parent = nullptr);

    void showBars(const HistogramBars& bars);
};

} // namespace shrink4
