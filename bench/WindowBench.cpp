// The main window as a user feels it, offscreen: a click of the start button until the
// list shows all 10,000 survivors, start-up until the first paint, and ten-megabyte
// pastes into its text boxes (beside the same paste into Qt's own QPlainTextEdit). The
// window's resident memory is reported as a counter.

#include "WindowBenchMain.h"

#include "ui/application/AppSetup.h"
#include "ui/main/LiveRun.h"
#include "ui/main/MainWindow.h"
#include "ui/main/RunController.h"
#include "ui/widgets/textbox/LineBox.h"
#include "ui/widgets/textbox/TextBox.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QScrollBar>
#include <QTableView>
#include <QCheckBox>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QKeyEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSettings>
#include <QTemporaryDir>
#include <QStyleFactory>
#include <QClipboard>

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

namespace {

double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

class PaintWatcher : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

void BM_StartClickToFullList(benchmark::State& state)
{
    shrink4::MainWindow window;
    window.runner().setListAtOnceWithin(60000); // the click until the list, however long
    window.show();
    QApplication::processEvents();
    auto* start = window.findChild<QAbstractButton*>(QStringLiteral("C_guolv_ks"));
    auto* count = window.findChild<QLabel*>(QStringLiteral("dadi_zhushu"));
    for (auto _ : state) {
        start->click();
        QApplication::processEvents(); // the repaint of the filled list
        if (count->text() != QLatin1String("10000"))
            state.SkipWithError("not every number survived");
    }
    state.counters["rss_MB"] = residentMegabytes();
}
BENCHMARK(BM_StartClickToFullList)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// As the program starts: Qt's Chinese texts installed (main) and the settings a closed
// window left behind read back.
void BM_StartupToFirstPaint(benchmark::State& state)
{
    {
        shrink4::MainWindow previous;
        previous.restoreSettings();
        previous.show();
        previous.close(); // writes the settings
    }
    for (auto _ : state) {
        PaintWatcher watcher;
        QElapsedTimer timer;
        timer.start();
        auto window = std::make_unique<shrink4::MainWindow>();
        window->restoreSettings();
        // The conditions themselves, inside their scroll area.
        window->findChild<QScrollArea*>(QStringLiteral("conditionScroll"))->widget()->installEventFilter(&watcher);
        window->show();
        while (!watcher.painted && timer.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToFirstPaint)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// Two million lines of one four-digit number each, as a list is usually pasted.
const QString& tenMegabyteList()
{
    static const QString text = [] {
        QString s;
        s.reserve(10 << 20);
        while (s.size() < (10 << 20))
            s += QStringLiteral("1234\n");
        return s;
    }();
    return text;
}

template <class Box>
Box* boxOf(shrink4::MainWindow& window, const char* name)
{
    return window.findChild<Box*>(QLatin1String(name));
}

void BM_PasteTenMegabytesIntoBox(benchmark::State& state)
{
    shrink4::MainWindow window;
    window.show();
    auto* box = boxOf<shrink4::TextBox>(window, "T_dadi_nb");
    QApplication::clipboard()->setText(tenMegabyteList());
    QApplication::processEvents();
    for (auto _ : state) {
        box->selectAll();
        box->paste();
        QApplication::processEvents(); // and its paint
        state.PauseTiming();
        box->setPlainText(QString()); // also forgets the paste's undo step
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["lines"] = double(tenMegabyteList().count(u'\n'));
}
BENCHMARK(BM_PasteTenMegabytesIntoBox)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The same paste into Qt's own box, for comparison: one iteration takes seconds.
void BM_PasteTenMegabytesIntoQPlainTextEdit(benchmark::State& state)
{
    QPlainTextEdit box;
    box.show();
    QApplication::clipboard()->setText(tenMegabyteList());
    QApplication::processEvents();
    for (auto _ : state) {
        box.paste();
        QApplication::processEvents();
        state.PauseTiming();
        box.clear();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PasteTenMegabytesIntoQPlainTextEdit)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// Types "8" and Backspace in turn into box, one a lap, until watcher sees a paint; after
// each key, afterKey runs (a run made at once, or nothing).
void typeUntilPainted(benchmark::State& state, QWidget* box, PaintWatcher& watcher, const char* notPainted,
                      const std::function<void()>& afterKey = {})
{
    bool digit = true;
    for (auto _ : state) {
        watcher.painted = false;
        QKeyEvent key(QEvent::KeyPress, digit ? Qt::Key_8 : Qt::Key_Backspace, Qt::NoModifier,
                      digit ? QStringLiteral("8") : QString());
        QApplication::sendEvent(box, &key);
        if (afterKey)
            afterKey();
        QElapsedTimer timer;
        timer.start();
        while (!watcher.painted && timer.elapsed() < 5000)
            QApplication::processEvents();
        if (!watcher.painted)
            state.SkipWithError(notPainted);
        digit = !digit;
    }
}

// A key typed at the very start of a full box: the whole index moves behind it.
void BM_TypeAtStartOfFullBox(benchmark::State& state)
{
    shrink4::MainWindow window;
    window.show();
    auto* box = boxOf<shrink4::TextBox>(window, "T_dadi_nb");
    box->setPlainText(tenMegabyteList());
    box->setFocus();
    QApplication::processEvents();
    for (auto _ : state) {
        box->setCursorPosition(0);
        QKeyEvent key(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
        QApplication::sendEvent(box, &key);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_TypeAtStartOfFullBox)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A key typed into an ordinary box until the live survivor count beside the window shows
// the new conditions, painted: typing "8" after "7" adds the code 78, the next key takes it
// away again.
void BM_LiveCountOnKey(benchmark::State& state)
{
    shrink4::MainWindow window;
    window.show();
    for (const char* name : {"Check_tsm_sha(9)", "Check_kuadu_sha(0)", "Check_hewei_sha(3)", "Check_ac_sha(0)",
                             "Check_shaxingtai_jo(0)", "Check_shaxingtai_012(4)"})
        window.findChild<QCheckBox*>(QLatin1String(name))->setChecked(true);
    boxOf<shrink4::TextBox>(window, "T_main_shazhixuan")->setPlainText(QStringLiteral("1234 5678 9012"));
    auto* box = boxOf<shrink4::TextBox>(window, "T_main_sha_2ma");
    box->setPlainText(QStringLiteral("12 34 56 7"));
    box->setFocus();
    box->setCursorPosition(int(box->toPlainText().size()));
    auto* count = window.findChild<QLabel*>(QStringLiteral("L_live_count"));
    PaintWatcher watcher;
    count->installEventFilter(&watcher);
    QApplication::processEvents();
    typeUntilPainted(state, box, watcher, "the live count was not painted");
}
BENCHMARK(BM_LiveCountOnKey)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

// A key typed into a box while every list box holds 10 MB (90 MB of conditions), until the
// box has repainted: the live run works off the window's thread, so the key does not wait
// for it. Arg 1: beside it, the same run made on the window's thread after each key, as a
// key cost before the run moved off it.
void BM_KeyToPaintWithFullBoxes(benchmark::State& state)
{
    shrink4::MainWindow window;
    window.show();
    const char* const boxes[] = {"T_dadi_nb",        "T_main_shazhixuan", "T_main_laji_fushi", "T_main_sha_2ma",
                                 "T_main_bichu_2ma", "T_main_sha_3ma",    "T_main_bichu_3ma",  "T_main_dw_sha"};
    for (const char* name : boxes)
        boxOf<shrink4::TextBox>(window, name)->setPlainText(tenMegabyteList());
    boxOf<shrink4::LineBox>(window, "T_sha_hezhi")->setText(QString(10 << 20, u'0'));
    auto* box = boxOf<shrink4::TextBox>(window, "T_dadi_nb"); // in view whatever the page
    box->setFocus();
    box->setCursorPosition(int(box->toPlainText().size()));
    window.liveRun().current();
    QApplication::processEvents();
    PaintWatcher watcher;
    box->viewport()->installEventFilter(&watcher);
    const bool onWindowThread = state.range(0) == 1;
    typeUntilPainted(state, box, watcher, "the box was not repainted", [&] {
        if (onWindowThread)
            window.liveRun().current();
    });
    state.counters["rss_MB"] = residentMegabytes();
}
BENCHMARK(BM_KeyToPaintWithFullBoxes)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// The start button with the first N list boxes at 10 MB each (the base pool first); with
// all eight, the sum-value line too.
void BM_RunWithFullTextBoxes(benchmark::State& state)
{
    shrink4::MainWindow window;
    window.runner().setListAtOnceWithin(60000); // the click until the list, however long
    window.show();
    const char* const boxes[] = {"T_dadi_nb",        "T_main_shazhixuan", "T_main_laji_fushi", "T_main_sha_2ma",
                                 "T_main_bichu_2ma", "T_main_sha_3ma",    "T_main_bichu_3ma",  "T_main_dw_sha"};
    const auto full = std::size_t(state.range(0));
    auto* start = window.findChild<QAbstractButton*>(QStringLiteral("C_guolv_ks"));
    for (auto _ : state) {
        state.PauseTiming(); // a run rewrites the code lists: fill the boxes again
        for (std::size_t i = 0; i < full; ++i)
            boxOf<shrink4::TextBox>(window, boxes[i])->setPlainText(tenMegabyteList());
        if (full == std::size(boxes))
            boxOf<shrink4::LineBox>(window, "T_sha_hezhi")->setText(QString(10 << 20, u'0'));
        QApplication::processEvents();
        state.ResumeTiming();
        start->click();
        QApplication::processEvents();
    }
    state.counters["rss_MB"] = residentMegabytes();
}
BENCHMARK(BM_RunWithFullTextBoxes)
    ->Arg(1)
    ->Arg(8)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// 走势 over 10,000 kept draws, all of them shown: the thousands grid scrolled a page and
// painted, one frame each.
void BM_TrendGridScrollFrame(benchmark::State& state)
{
    QTemporaryDir folder;
    QFile draws(folder.filePath(QStringLiteral("draws.txt")));
    if (!draws.open(QIODevice::WriteOnly))
        return state.SkipWithError("no draws file");
    for (int i = 1; i <= 10000; ++i)
        draws.write(
            QStringLiteral("%1 %2\n").arg(2000000 + i).arg(i * 7919 % 10000, 4, 10, QLatin1Char('0')).toLatin1());
    draws.close();
    shrink4::MainWindow window;
    window.setDrawsFile(draws.fileName());
    window.show();
    window.findChild<QAction*>(QStringLiteral("action_trends"))->trigger();
    auto* all = window.findChild<QComboBox*>(QStringLiteral("trends_last"));
    all->setCurrentIndex(all->findData(0));
    auto* grid = window.findChild<QTableView*>(QStringLiteral("trends_grid_1"));
    QApplication::processEvents();
    if (grid->model()->rowCount() != 10000)
        return state.SkipWithError("the grid does not show the 10,000 draws");
    QScrollBar* bar = grid->verticalScrollBar();
    for (auto _ : state) {
        bar->setValue(bar->value() >= bar->maximum() ? 0 : bar->value() + bar->pageStep());
        grid->viewport()->repaint();
    }
}
BENCHMARK(BM_TrendGridScrollFrame)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

} // namespace

SHRINK4_WINDOW_BENCHMARK_MAIN()
