#pragma once
// The failure-count histogram of the base pool as a bar chart: bar k counts the pool's
// numbers that k condition rows fail. Bars inside the total tolerance window (kept by the
// verdict) and outside it are two colours with a legend; a click on a bar chooses it.

#include <QChartView>

#include <vector>

class QBarSet;

namespace shrink4 {

struct HistogramBars {
    std::vector<int> counts; // [k]: pool numbers failed exactly k times
    std::vector<bool> kept;  // [k]: the verdict keeps numbers failed k times
    QString title;
};

class HistogramChart : public QChartView {
    Q_OBJECT
public:
    explicit HistogramChart(QWidget* parent = nullptr);

    void showBars(const HistogramBars& bars);
    // Marks bar k as the chosen one; -1 marks none.
    void markBar(int k);
    // Where bar k is drawn, in the view's coordinates (its middle), for a click.
    QPoint barCenter(int k) const;

signals:
    void barClicked(int k);

protected:
    // A click anywhere in a bar's column chooses it: a bar of a few numbers beside one of
    // thousands is too thin to hit.
    void mousePressEvent(QMouseEvent* event) override;

private:
    void clear();

    QBarSet* m_kept = nullptr;
    QBarSet* m_removed = nullptr;
    std::vector<int> m_counts;
};

} // namespace shrink4
