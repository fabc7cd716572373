// The 统计 window opened from the menu: its table against the engine's statistics, sorted
// by a click on a header; the histogram with the tolerance window, a click on a bar listing
// its numbers; following the conditions while open; and the empty and extreme cases.

#include "MainWindowTestSupport.h"
#include "SortArrow.h"

#include "engine/Statistics.h"
#include "ui/stats/HistogramChart.h"
#include "ui/stats/StatsWindow.h"

#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>

using namespace shrink4;
using namespace shrink4::test;

namespace {

// Opens 分析 → 统计 with the mouse.
StatsWindow* openStats(MainWindow& w)
{
    QMenuBar* bar = w.menuBar();
    QAction* analysis = nullptr;
    for (QAction* a : bar->actions())
        if (a->text().startsWith(QStringLiteral("分析")))
            analysis = a;
    if (!analysis)
        qFatal("no menu 分析");
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(analysis).center());
    QMenu* menu = analysis->menu();
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000))
        qFatal("menu 分析 did not open");
    QAction* stats = control<QAction>(&w, QStringLiteral("action_stats"));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(stats).center());
    auto* window = w.findChild<StatsWindow*>();
    if (!window || !window->isVisible())
        qFatal("统计 did not open");
    return window;
}

QTableView* table(StatsWindow* s)
{
    return control<QTableView>(s, QStringLiteral("tongji_table"));
}

QString cell(StatsWindow* s, int row, int column)
{
    return table(s)->model()->index(row, column).data().toString();
}

QList<int> column(StatsWindow* s, int c)
{
    QList<int> values;
    for (int r = 0; r < table(s)->model()->rowCount(); ++r)
        values << table(s)->model()->index(r, c).data().toInt();
    return values;
}

void clickHeader(StatsWindow* s, int c)
{
    QHeaderView* header = table(s)->horizontalHeader();
    const int x = header->sectionViewportPosition(c) + header->sectionSize(c) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
}

HistogramChart* chart(StatsWindow* s)
{
    return control<HistogramChart>(s, QStringLiteral("tongji_chart"));
}

void clickBar(StatsWindow* s, int k)
{
    QTest::mouseClick(chart(s), Qt::LeftButton, {}, chart(s)->barCenter(k));
}

// Bar heights as drawn, kept and removed parts added.
std::vector<int> drawnBars(StatsWindow* s)
{
    std::vector<int> heights;
    const auto& parts = chart(s)->parts();
    if (parts.isEmpty())
        return heights;
    for (qsizetype k = 0; k < parts[0].values.size(); ++k)
        heights.push_back(int(parts[0].values[k] + parts[1].values[k]));
    return heights;
}

QString numbersCaption(StatsWindow* s)
{
    return labelText(s, QStringLiteral("L_tongji_numbers"));
}

QString summary(StatsWindow* s)
{
    return labelText(s, QStringLiteral("L_tongji_summary"));
}

void retype(MainWindow& w, const QString& name, const QString& text)
{
    auto* box = control<LineBox>(&w, name);
    QTest::mouseDClick(box->viewport(), Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

} // namespace

class StatsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void tableAndHistogramAgreeWithTheEngine()
    {
        auto w = makeWindow();
        setPlainText(w.get(), QStringLiteral("T_main_sha_2ma"), QStringLiteral("12 34 56"));
        const std::pair<const char*, int> ticks[] = {
            {"Check_tsm_sha", 9}, {"Check_kuadu_sha", 0}, {"Check_hewei_sha", 3}};
        for (const auto& tick : ticks)
            QTest::mouseClick(check(w.get(), tick.first, tick.second), Qt::LeftButton, {}, QPoint(4, 4));
        QStringList pool;
        for (int v = 0; v < 5000; v += 7)
            pool << QStringLiteral("%1").arg(v, 4, 10, QLatin1Char('0'));
        setPlainText(w.get(), QStringLiteral("T_dadi_nb"), pool.join(QLatin1Char(' ')));
        StatsWindow* s = openStats(*w);
        const RunStatistics expected = runStatistics(filterRun(w->conditions()));

        QCOMPARE(table(s)->model()->rowCount(), int(expected.rows.size()));
        for (int r = 0; r < int(expected.rows.size()); ++r) {
            const RowStatistics& row = expected.rows[std::size_t(r)];
            QCOMPARE(cell(s, r, 1), QString::fromUtf8(row.caption.data(), qsizetype(row.caption.size())));
            QCOMPARE(column(s, 2)[r], row.kills);
            QCOMPARE(column(s, 3)[r], row.killsInPool);
            QCOMPARE(column(s, 4)[r], row.only);
        }
        QCOMPARE(drawnBars(s), expected.histogram);
        QVERIFY(summary(s).contains(QStringLiteral("剩余 %1 注").arg(expected.count)));

        // Sorted by what each removes, the most first, then the other way; the run order
        // comes back.
        clickHeader(s, 2);
        QList<int> kills = column(s, 2);
        QVERIFY(std::is_sorted(kills.rbegin(), kills.rend()));
        QVERIFY(kills.first() > kills.last());
        clickHeader(s, 2);
        kills = column(s, 2);
        QVERIFY(std::is_sorted(kills.begin(), kills.end()));
        clickHeader(s, 0);
        QCOMPARE(column(s, 0), (QList<int>{1, 2, 3, 4}));
        // The smallest first under a ▲, as players read it.
        QCOMPARE(table(s)->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
        QVERIFY(ascendingArrowPointsUp(table(s)->horizontalHeader(), 0));
    }

    void aClickOnABarListsItsNumbers()
    {
        auto w = makeWindow();
        QTest::mouseClick(check(w.get(), "Check_tsm_sha", 9), Qt::LeftButton, {}, QPoint(4, 4));
        QTest::mouseClick(check(w.get(), "Check_kuadu_sha", 9), Qt::LeftButton, {}, QPoint(4, 4));
        StatsWindow* s = openStats(*w);
        const RunResult run = filterRun(w->conditions());
        struct Case {
            int failures;
            const char* verdict;
        };
        for (const Case& c : {Case{0, "保留"}, Case{1, "删除"}}) {
            clickBar(s, c.failures);
            const int expected = run.failCount.equals(c.failures).count();
            QVERIFY2(numbersCaption(s).contains(QStringLiteral("%1 注").arg(expected)), qPrintable(numbersCaption(s)));
            QVERIFY(numbersCaption(s).contains(QString::fromUtf8(c.verdict)));
            const QString listed = control<TextBox>(s, QStringLiteral("T_tongji_numbers"))->toPlainText();
            QCOMPARE(listed.simplified().split(QLatin1Char(' ')).size(), expected);
            QCOMPARE(listed.contains(QLatin1String("0000")), c.failures == 0); // fails neither
        }

        // Allowing one failure moves bar 1 inside the window, with the view open.
        retype(*w, arrayName("T_zong_rc", 1), QStringLiteral("1"));
        QTRY_VERIFY(numbersCaption(s).contains(QStringLiteral("保留")));
        QVERIFY(summary(s).contains(QStringLiteral("0 至 1")));
    }

    void followsTheConditionsWhileOpen()
    {
        auto w = makeWindow();
        StatsWindow* s = openStats(*w);
        QCOMPARE(table(s)->model()->rowCount(), 0);
        QVERIFY(summary(s).contains(QStringLiteral("没有起作用的条件")));
        QCOMPARE(drawnBars(s), std::vector<int>{10000});

        QTest::mouseClick(check(w.get(), "Check_tsm_sha", 9), Qt::LeftButton, {}, QPoint(4, 4));
        QTRY_COMPARE(table(s)->model()->rowCount(), 1);
        QCOMPARE(drawnBars(s), (std::vector<int>{6561, 3439}));

        // Closed, it keeps its place; reopened, it shows the conditions as they are then.
        s->close();
        QTest::mouseClick(check(w.get(), "Check_kuadu_sha", 0), Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(openStats(*w), s);
        QTRY_COMPARE(table(s)->model()->rowCount(), 2);
    }

    void emptyPoolAndHugeToleranceAreSaidInWords()
    {
        auto w = makeWindow();
        QTest::mouseClick(check(w.get(), "Check_tsm_sha", 9), Qt::LeftButton, {}, QPoint(4, 4));
        StatsWindow* s = openStats(*w);
        retype(*w, arrayName("T_zong_rc", 1), QStringLiteral("99999"));
        QTRY_VERIFY(summary(s).contains(QStringLiteral("条件没有删去任何号码")));
        clickBar(s, 1);
        QVERIFY(numbersCaption(s).contains(QStringLiteral("保留")));

        setPlainText(w.get(), QStringLiteral("T_dadi_nb"), QStringLiteral("12"));
        QTRY_VERIFY(summary(s).contains(QStringLiteral("大底里没有一个号码")));
        QVERIFY(drawnBars(s).empty());
        QCOMPARE(chart(s)->title(), QStringLiteral("大底为空：没有号码可以统计"));
        QCOMPARE(numbersCaption(s), QStringLiteral("点击柱子列出它的号码"));
    }
};

SHRINK4_REGISTER_GUI_TEST(StatsWindowTest)
#include "StatsWindowTest.moc"
