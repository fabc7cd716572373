#pragma once
// The axis under a bar chart's bars, captioning as many of them as fit side by side: every
// bar on a wide chart, every second or fifth one as the chart narrows, so that captions
// never run into each other.

#include <QCategoryAxis>
#include <QStringList>

class QChart;

namespace shrink4 {

class BarCaptionAxis : public QCategoryAxis {
    Q_OBJECT
public:
    // captions[i] names bar i (bars stand at 0, 1, 2, …); they must differ from each other.
    explicit BarCaptionAxis(QStringList captions, QObject* parent = nullptr);

    // Adds the axis under the chart's bars and keeps its captions fitting the plot area.
    void attachBelow(QChart* chart);

    // How many bars one caption stands for: 1 when every bar has its own.
    int step() const { return m_step; }

private:
    void fit(qreal plotWidth);
    void caption(int step);

    QStringList m_captions;
    int m_step = 0;
};

} // namespace shrink4
