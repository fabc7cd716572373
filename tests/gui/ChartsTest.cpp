// Our charts, checked by rendering them: bar colours where the bars must stand (and not
// above them), the marked bar, a click in a thin bar's column, lying bars in order from the
// top, lines higher for larger values, and captions that never overlap however many bars
// share a narrow chart, at the normal font and one half larger.

#include "ui/widgets/charts/BarChart.h"
#include "ui/widgets/charts/ChartScale.h"
#include "ui/widgets/charts/LineChart.h"

#include <QSignalSpy>
#include <QtTest>

using namespace shrink4::charts;

namespace {

const QColor kKept(60, 170, 60);
const QColor kRemoved(200, 90, 70);

QColor pixel(QWidget* chart, QPoint at)
{
    return chart->grab().toImage().pixelColor(at * chart->devicePixelRatioF());
}

// The rows of the widget's middle column painted in `color`.
QList<int> rowsOf(QWidget* chart, const QColor& color)
{
    const QImage image = chart->grab().toImage();
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(image.width() / 2, y) == color)
            rows << y;
    return rows;
}

QStringList numbered(int count, int first = 0)
{
    QStringList captions;
    for (int i = 0; i < count; ++i)
        captions << QString::number(first + i);
    return captions;
}

} // namespace

class ChartsTest : public QObject {
    Q_OBJECT
private slots:
    void ticksAreRoundAndReachTheLargestValue()
    {
        QCOMPARE(niceTicks(0, true).top, 1.0);
        QCOMPARE(niceTicks(3, true).step, 1.0); // no tick between two counts
        QCOMPARE(niceTicks(7, true).top, 8.0);
        QCOMPARE(niceTicks(100, true).step, 20.0);
        QCOMPARE(niceTicks(9999, true).top, 10000.0);
        QVERIFY(qFuzzyCompare(niceTicks(0.3, false).step, 0.1));
        QCOMPARE(captionStep(30, 10, 50), 1);
        QCOMPARE(captionStep(30, 10, 15), 5); // 2.7 slots a caption: every fifth
    }

    void stackedBarsStandWhereTheirValuesSay()
    {
        BarChart chart;
        chart.resize(400, 300);
        chart.setBars(numbered(5), {{QStringLiteral("保留"), kKept, {0, 3, 5, 0, 1}},
                                    {QStringLiteral("删除"), kRemoved, {2, 0, 0, 4, 0}}});
        chart.setTitle(QStringLiteral("标题"));
        QCOMPARE(pixel(&chart, chart.barCenter(0)), kRemoved);
        QCOMPARE(pixel(&chart, chart.barCenter(1)), kKept);
        QCOMPARE(pixel(&chart, chart.barCenter(3)), kRemoved);
        // Bar 1 (3) ends below bar 2 (5): at 4, over bar 1 is no bar. Centres stand at 1.5 and 2.5.
        const int unit = chart.barCenter(1).y() - chart.barCenter(2).y();
        const QPoint aboveBar1(chart.barCenter(1).x(), chart.barCenter(2).y() - unit * 3 / 2);
        QVERIFY(pixel(&chart, aboveBar1) != kKept);
        QCOMPARE(pixel(&chart, QPoint(chart.barCenter(2).x(), aboveBar1.y())), kKept);

        chart.markBar(2);
        QVERIFY(pixel(&chart, chart.barCenter(2)) != kKept);
        chart.markBar(0);
        QCOMPARE(chart.markedBar(), 0);
        QCOMPARE(pixel(&chart, chart.barCenter(2)), kKept);

        // A click high in the column of the thinnest bar chooses it.
        QSignalSpy clicked(&chart, &BarChart::barClicked);
        QTest::mouseClick(&chart, Qt::LeftButton, {}, QPoint(chart.barCenter(4).x(), chart.barCenter(2).y()));
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked.at(0).at(0).toInt(), 4);
        QTest::mouseClick(&chart, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(clicked.size(), 1);
    }

    void lyingBarsReadFromTheTop()
    {
        BarChart chart(Qt::Horizontal);
        chart.resize(500, 300);
        chart.setBars({QStringLiteral("第一个条件：80 期"), QStringLiteral("第二个：10 期")},
                      {{QStringLiteral("淘汰"), kRemoved, {80, 10}}});
        chart.setFixedTop(100);
        const QPoint first = chart.barCenter(0);
        const QPoint second = chart.barCenter(1);
        QVERIFY(first.y() < second.y());
        QCOMPARE(pixel(&chart, first), kRemoved);
        // Where the first bar reaches half the axis, the second does not.
        QVERIFY(pixel(&chart, QPoint(first.x(), second.y())) != kRemoved);
        const QList<QRectF> captions = chart.captionRects();
        QCOMPARE(captions.size(), 2);
        QVERIFY(captions[0].right() < first.x() - (first.x() - captions[0].right()) / 2);
    }

    void linesStandHigherForLargerValues()
    {
        LineChart chart;
        chart.resize(400, 300);
        const QColor low(20, 20, 200);
        const QColor high(200, 20, 20);
        chart.setLines(numbered(3), {{QStringLiteral("低"), low, {2, 2, 2}}, {QStringLiteral("高"), high, {8, 8, 8}}});
        const QList<int> lowRows = rowsOf(&chart, low);
        const QList<int> highRows = rowsOf(&chart, high);
        QVERIFY(!lowRows.isEmpty() && !highRows.isEmpty());
        QVERIFY(highRows.first() < lowRows.first());
    }

    void captionsNeverOverlap_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<qreal>("scale");
        for (int width : {300, 640, 1400})
            for (qreal scale : {1.0, 1.5})
                QTest::addRow("%d px, font x%.1f", width, scale) << width << scale;
    }

    void captionsNeverOverlap()
    {
        QFETCH(int, width);
        QFETCH(qreal, scale);
        BarChart chart;
        QFont font = chart.font();
        font.setPointSizeF(font.pointSizeF() * scale);
        chart.setFont(font);
        chart.resize(width, 300);
        QList<qreal> values;
        for (int i = 0; i < 60; ++i)
            values << i % 7;
        chart.setBars(numbered(60, 2024001), {{QStringLiteral("入选"), kKept, values}});
        const QList<QRectF> shown = chart.captionRects();
        QVERIFY(shown.size() >= (width < 640 ? 2 : 3));
        QCOMPARE(shown.size(), (60 + chart.captionStep() - 1) / chart.captionStep());
        for (qsizetype i = 0; i < shown.size(); ++i) {
            QVERIFY(QRectF(chart.rect()).contains(shown[i]));
            for (qsizetype j = i + 1; j < shown.size(); ++j)
                QVERIFY2(!shown[i].intersects(shown[j]), qPrintable(QStringLiteral("%1 and %2").arg(i).arg(j)));
        }
    }
};

QTEST_MAIN(ChartsTest)
#include "ChartsTest.moc"
