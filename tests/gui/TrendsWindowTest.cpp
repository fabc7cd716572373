// The 走势 window, opened from 分析 over the kept draws: the trend grid of each position,
// the choice of the latest N draws, and the figures table with its cold and hot marks,
// sorted by a click on a column header. Cells are checked against the engine's figures.

#include "MainWindowTestSupport.h"

#include "trends/TrendFigures.h"
#include "trends/TrendRules.h"
#include "trends/WalkForward.h"
#include "ui/trends/OmissionGridModel.h"
#include "ui/trends/TrendsWindow.h"
#include "ui/widgets/charts/LineChart.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

#include <random>

using namespace shrink4;
using namespace shrink4::test;

namespace {

struct KeptDraws {
    QString text;
    std::vector<Draw> draws;
};

KeptDraws randomDraws(int n, unsigned seed)
{
    std::mt19937 rng(seed);
    KeptDraws k;
    for (int i = 1; i <= n; ++i) {
        const int number = int(rng() % 10000);
        k.text += QStringLiteral("2024%1 %2\n").arg(i, 3, 10, QLatin1Char('0')).arg(number, 4, 10, QLatin1Char('0'));
        k.draws.push_back({std::nullopt, number, i});
    }
    return k;
}

bool writeText(const QString& path, const QString& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toUtf8()) >= 0;
}

template <class T>
T* child(QWidget* window, const char* name)
{
    return window->findChild<T*>(QString::fromLatin1(name));
}

QString cell(QTableView* view, int row, int column)
{
    return view->model()->index(row, column).data().toString();
}

} // namespace

class TrendsWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    TrendsWindow* open(MainWindow& w, const KeptDraws& kept)
    {
        const QString path = m_dir.filePath(QStringLiteral("draws.txt"));
        if (!writeText(path, kept.text))
            return nullptr;
        w.setDrawsFile(path);
        w.findChild<QAction*>(QStringLiteral("action_trends"))->trigger();
        return w.findChild<TrendsWindow*>();
    }

private slots:
    void theGridShowsEachDigitsOmission()
    {
        auto w = makeWindow();
        const auto kept = randomDraws(120, 3);
        TrendsWindow* trends = open(*w, kept);
        QVERIFY(trends);
        QCOMPARE(trends->windowTitle(), QStringLiteral("走势"));
        auto* grid = child<QTableView>(trends, "trends_grid_2");
        QCOMPARE(grid->model()->rowCount(), 100); // the latest 100 at first
        QVERIFY(child<QLabel>(trends, "trends_status")->text().contains(QStringLiteral("2024021 至 2024120")));

        const std::span<const Draw> window(kept.draws.end() - 100, kept.draws.end());
        const auto figures = trends::windowFigures(window);
        const int last = 99, drawn = kept.draws.back().number / 100 % 10;
        for (int d = 0; d < 10; ++d) {
            const auto index = grid->model()->index(last, d);
            QCOMPARE(index.data(OmissionGridModel::kDrawnRole).toBool(), d == drawn);
            const int shown = index.data().toInt();
            QCOMPARE(shown, d == drawn ? d : figures.at(trends::trackOf(trends::Family::position, 2), d).current);
        }

        // The player picks the latest 30 with the keyboard.
        auto* choice = child<QComboBox>(trends, "trends_last");
        choice->setFocus();
        QTest::keyClick(choice, Qt::Key_Home);
        QCOMPARE(grid->model()->rowCount(), 30);
        QTest::keyClick(choice, Qt::Key_End);
        QCOMPARE(grid->model()->rowCount(), 120);
        QCOMPARE(grid->model()->headerData(0, Qt::Vertical).toString().left(7), QStringLiteral("2024001"));
    }

    void theFiguresTableMarksColdAndHotAndSorts()
    {
        auto w = makeWindow();
        const auto kept = randomDraws(50, 4);
        TrendsWindow* trends = open(*w, kept);
        QVERIFY(trends);
        auto* family = child<QComboBox>(trends, "trends_family");
        family->setCurrentIndex(trends::trackOf(trends::Family::sum));
        auto* table = child<QTableView>(trends, "trends_table");
        QCOMPARE(table->model()->rowCount(), 37);
        QCOMPARE(cell(table, 5, 0), QStringLiteral("05"));

        const auto figures = trends::windowFigures(kept.draws);
        const int sums = trends::trackOf(trends::Family::sum);
        const auto cold = trends::pickTrack(trends::Leaning::cold, 3, figures.countsOf(sums));
        const auto hot = trends::pickTrack(trends::Leaning::hot, 3, figures.countsOf(sums));
        for (int v = 0; v < 37; ++v) {
            const auto f = figures.at(sums, v);
            const bool isCold = std::find(cold.begin(), cold.end(), v) != cold.end();
            const bool isHot = std::find(hot.begin(), hot.end(), v) != hot.end();
            QCOMPARE(cell(table, v, 7).contains(QStringLiteral("冷")), isCold);
            QCOMPARE(cell(table, v, 7).contains(QStringLiteral("热")), isHot);
            QCOMPARE(cell(table, v, 1).toInt(), f.hits);
            QCOMPARE(cell(table, v, 2), QString::number(f.expected, 'f', 2)); // 理论 beside 开出
            QCOMPARE(cell(table, v, 3).toInt(), f.current);
            QCOMPARE(cell(table, v, 4), QString::number(f.overdue, 'f', 2)); // 该开未开 beside it
        }
        // Sum 00, one number in 10000, is not cold however long it has been missing.
        QVERIFY(!cell(table, 0, 7).contains(QStringLiteral("冷")));
        QCOMPARE(table->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("该开未开"));
        const QString rule = child<QLabel>(trends, "trends_cold_hot_rule")->text();
        QVERIFY(rule.contains(QStringLiteral("冷：按理论该开未开的次数最多")));
        QVERIFY(rule.contains(QStringLiteral("热：开出比理论多得最多")));

        // A click on 开出 sorts by hits, the most first on a second click.
        const auto* header = table->horizontalHeader();
        const QPoint hits(header->sectionViewportPosition(1) + 5, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, hits);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, hits);
        int most = 0;
        for (int v = 0; v < 37; ++v)
            most = std::max(most, figures.at(sums, v).hits);
        QCOMPARE(cell(table, 0, 1).toInt(), most);
        for (int r = 1; r < 37; ++r)
            QVERIFY(cell(table, r - 1, 1).toInt() >= cell(table, r, 1).toInt());
    }

    void itFollowsTheKeptDrawsWhenShownAgain()
    {
        auto w = makeWindow();
        TrendsWindow* trends = open(*w, {});
        QVERIFY(trends);
        QVERIFY(child<QLabel>(trends, "trends_status")->text().contains(QStringLiteral("还没有开奖号码")));
        QCOMPARE(child<QTableView>(trends, "trends_grid_1")->model()->rowCount(), 0);
        trends->hide();
        QVERIFY(writeText(m_dir.filePath(QStringLiteral("draws.txt")), randomDraws(7, 5).text));
        w->findChild<QAction*>(QStringLiteral("action_trends"))->trigger();
        QCOMPARE(child<QTableView>(trends, "trends_grid_1")->model()->rowCount(), 7);
    }

    // Two cold digits of the thousands chosen by their column headers are killed in the
    // main window's 定位杀 row at once, as one step its 撤销 takes back.
    void killingChosenDigitsTicksThemInTheMainWindow()
    {
        auto w = makeWindow();
        const auto kept = randomDraws(100, 7);
        TrendsWindow* trends = open(*w, kept);
        QVERIFY(trends);
        const auto figures = trends::windowFigures(kept.draws);
        const int thousands = trends::trackOf(trends::Family::position, 1);
        const auto cold = trends::pickTrack(trends::Leaning::cold, 2, figures.countsOf(thousands));
        QCOMPARE(cold.size(), std::size_t(2));
        QTRY_VERIFY(!labelText(w.get(), QStringLiteral("L_live_count")).isEmpty());
        const QString countBefore = labelText(w.get(), QStringLiteral("L_live_count"));

        auto* header = child<QTableView>(trends, "trends_grid_1")->horizontalHeader();
        for (std::size_t i = 0; i < cold.size(); ++i) {
            const QPoint at(header->sectionViewportPosition(cold[i]) + header->sectionSize(cold[i]) / 2,
                            header->height() / 2);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, i == 0 ? Qt::NoModifier : Qt::ControlModifier, at);
        }
        QTest::mouseClick(button(trends, QStringLiteral("trends_kill_chosen")), Qt::LeftButton);

        for (int d = 0; d < 10; ++d)
            QCOMPARE(check(w.get(), "Check_hewei_sha1", d)->isChecked(), d == cold[0] || d == cold[1]);
        QTRY_VERIFY(labelText(w.get(), QStringLiteral("L_live_count")) != countBefore);
        auto* undo = w->findChild<QAction*>(QStringLiteral("action_undo"));
        QCOMPARE(undo->text(), QStringLiteral("撤销 杀掉所选（走势）"));
        undo->trigger();
        for (int d = 0; d < 10; ++d)
            QVERIFY(!check(w.get(), "Check_hewei_sha1", d)->isChecked());
        QTRY_COMPARE(labelText(w.get(), QStringLiteral("L_live_count")), countBefore);
    }
    // 类别 千位 and K = 2, chosen with the keyboard: 杀冷 names the two thousands digits it
    // will kill and, pressed, ticks those two boxes of the main window's 定位杀, no others.
    void killingTheColdOfOnePositionTicksThatPositionAlone()
    {
        auto w = makeWindow();
        const auto kept = randomDraws(100, 8);
        TrendsWindow* trends = open(*w, kept);
        QVERIFY(trends);
        auto* tabs = child<QTabWidget>(trends, "trends_tabs");
        tabs->setCurrentIndex(4); // 冷热统计
        auto* family = child<QComboBox>(trends, "trends_family");
        family->setFocus();
        QTest::keyClick(family, Qt::Key_Home); // 千位, the first
        QCOMPARE(family->currentText(), QStringLiteral("千位"));
        auto* count = child<QSpinBox>(trends, "trends_cold_hot_count");
        count->setFocus();
        count->selectAll();
        QTest::keyClicks(count, QStringLiteral("2"));
        QCOMPARE(count->value(), 2);

        const auto figures = trends::windowFigures(kept.draws);
        const auto cold =
            trends::pickTrack(trends::Leaning::cold, 2, figures.countsOf(trends::trackOf(trends::Family::position, 1)));
        QCOMPARE(cold.size(), std::size_t(2));
        auto* kill = button(trends, QStringLiteral("trends_kill_cold"));
        QCOMPARE(kill->text(), QStringLiteral("杀冷 2：千位 %1、%2(&L)").arg(cold[0]).arg(cold[1]));
        QTest::mouseClick(kill, Qt::LeftButton);

        int ticked = 0;
        for (int box = 0; box < 40; ++box)
            ticked += check(w.get(), "Check_hewei_sha1", box)->isChecked() ? 1 : 0;
        QCOMPARE(ticked, 2);
        QVERIFY(check(w.get(), "Check_hewei_sha1", cold[0])->isChecked());
        QVERIFY(check(w.get(), "Check_hewei_sha1", cold[1])->isChecked());
        QCOMPARE(w->findChild<QAction*>(QStringLiteral("action_undo"))->text(),
                 QStringLiteral("撤销 杀冷 2 个 千位（走势）"));
    }

    // The rule test takes the conditions on screen and the kept draws, and says what the
    // engine's walk-forward test says: the hit rate beside a random pick's, with the plain
    // sentence when the interval covers it.
    void theRuleTestWalksForwardOverTheConditionsOnScreen()
    {
        auto w = makeWindow();
        QTest::mouseClick(check(w.get(), "Check_tsm_sha", 9), Qt::LeftButton, {}, QPoint(4, 4));
        const auto kept = randomDraws(60, 3);
        TrendsWindow* trends = open(*w, kept);
        QVERIFY(trends);
        auto* tabs = child<QTabWidget>(trends, "trends_tabs");
        tabs->setCurrentWidget(child<QWidget>(trends, "trends_rule_test"));
        QVERIFY(!button(trends, QStringLiteral("trends_kill_chosen"))->isVisible());
        child<QSpinBox>(trends, "rule_count")->setValue(3);
        child<QSpinBox>(trends, "rule_window")->setValue(20);
        QTest::mouseClick(button(trends, QStringLiteral("rule_start")), Qt::LeftButton);

        const trends::Rule rule{trends::Family::position, trends::Leaning::cold, 3};
        const auto expected = trends::walkForward(w->conditions(), kept.draws, std::vector{rule}, 20);
        const auto& s = expected.summary;
        QCOMPARE(s.draws, 40);
        const auto percent = [](double rate) { return QStringLiteral("%1%").arg(rate * 100.0, 0, 'f', 2); };
        auto* summary = child<QLabel>(trends, "rule_test_summary");
        QTRY_VERIFY(summary->text().startsWith(QStringLiteral("检验 40 期（另有 20 期")));
        for (const QString& figure : {percent(*s.hitRate), percent(*s.hitRateLow), percent(*s.hitRateHigh),
                                      percent(*s.baseline), percent(*expected.withoutRules.hitRate)})
            QVERIFY2(summary->text().contains(figure),
                     qPrintable(figure + QStringLiteral(" not in ") + summary->text()));
        const bool covered = *s.hitRateLow <= *s.baseline && *s.baseline <= *s.hitRateHigh;
        QCOMPARE(child<QLabel>(trends, "rule_test_verdict")->text()
                     == QStringLiteral("这条规则在历史上没有显示出优势。"),
                 covered);
        QCOMPARE(child<charts::LineChart>(trends, "rule_test_chart")->lines().size(), 2);
        QCOMPARE(child<charts::LineChart>(trends, "rule_test_chart")->lines().front().values.size(), 40);

        // Too few draws before any of them: said so, nothing tested.
        child<QSpinBox>(trends, "rule_window")->setValue(60);
        QTest::mouseClick(button(trends, QStringLiteral("rule_start")), Qt::LeftButton);
        QTRY_VERIFY(summary->text().startsWith(QStringLiteral("没有可检验的期")));
    }
    void opensFromTheHistoryWindow()
    {
        auto w = makeWindow();
        w->findChild<QAction*>(QStringLiteral("action_history"))->trigger();
        QTest::mouseClick(button(w.get(), QStringLiteral("history_trends")), Qt::LeftButton);
        auto* trends = w->findChild<TrendsWindow*>();
        QVERIFY(trends && trends->isVisible());
    }
};

SHRINK4_REGISTER_GUI_TEST(TrendsWindowTest)
#include "TrendsWindowTest.moc"
