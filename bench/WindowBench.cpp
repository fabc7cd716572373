// The main window as a user feels it, offscreen: a click of the start button until the
// list shows all 10,000 survivors, and start-up until the first paint. The window's
// resident memory is reported as a counter.

#include "ui/MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QStyleFactory>

#include <benchmark/benchmark.h>

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
BENCHMARK(BM_StartClickToFullList)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_StartupToFirstPaint(benchmark::State& state)
{
    for (auto _ : state) {
        PaintWatcher watcher;
        QElapsedTimer timer;
        timer.start();
        auto window = std::make_unique<shrink4::MainWindow>();
        window->centralWidget()->installEventFilter(&watcher);
        window->show();
        while (!watcher.painted && timer.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToFirstPaint)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10)->Repetitions(3)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
