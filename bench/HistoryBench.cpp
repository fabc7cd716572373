// The history view as a player feels it, offscreen: 10,000 past draws against a scheme
// of every condition family, from a change of what is shown (the last-N filter) until
// the table, the summary and both charts are repainted; and the same after a change of
// the conditions, run included.

#include "WindowBenchMain.h"

#include "ui/history/HistoryWindow.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/textbox/TextBox.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QStyleFactory>

#include <benchmark/benchmark.h>

namespace {

QString tenThousandDraws()
{
    QRandomGenerator random(7);
    QString text;
    for (int i = 1; i <= 10000; ++i)
        text += QStringLiteral("20%1 %2\n")
                    .arg(i, 6, 10, QLatin1Char('0'))
                    .arg(random.bounded(10000), 4, 10, QLatin1Char('0'));
    return text;
}

// A main window with conditions of every family and its history view showing the draws.
struct Setup {
    shrink4::MainWindow window;
    shrink4::HistoryWindow* history = nullptr;
    QSpinBox* last = nullptr;

    Setup()
    {
        window.show();
        for (const char* name : {"Check_hewei_sha(3)", "Check_kuadu_sha(9)", "Check_tsm_sha(0)", "Check_ac_sha(0)",
                                 "Check_hewei_sha1(5)", "Check_tebie_paichu1(0)", "Check_tebie_paichu(0)",
                                 "Check_shaxingtai_daxiao(0)", "Check_shaxingtai_jo(0)", "Check_shaxingtai_012(0)"})
            window.findChild<QCheckBox*>(QString::fromLatin1(name))->setChecked(true);
        window.findChild<shrink4::TextBox*>(QStringLiteral("T_main_sha_2ma"))->setPlainText(QStringLiteral("12 34 56"));
        window.findChild<QAction*>(QStringLiteral("action_history"))->trigger();
        history = window.findChild<shrink4::HistoryWindow*>();
        history->findChild<shrink4::TextBox*>(QStringLiteral("history_draws"))->setPlainText(tenThousandDraws());
        history->findChild<QAbstractButton*>(QStringLiteral("history_apply"))->click();
        last = history->findChild<QSpinBox*>(QStringLiteral("history_last"));
        QApplication::processEvents();
    }
};

void BM_HistoryShowTenThousandDraws(benchmark::State& state)
{
    Setup s;
    int flip = 0;
    for (auto _ : state) {
        s.last->setValue(flip++ % 2 ? 0 : 9999);
        QApplication::processEvents(); // the repaint
        if (s.history->backtest().summary.draws < 9999)
            state.SkipWithError("the draws were not all shown");
    }
}
BENCHMARK(BM_HistoryShowTenThousandDraws)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_HistoryFollowConditionChange(benchmark::State& state)
{
    Setup s;
    auto* tail = s.window.findChild<QCheckBox*>(QStringLiteral("Check_hewei_sha(7)"));
    for (auto _ : state) {
        tail->toggle();
        QApplication::processEvents(); // the live run, then the view's repaint
    }
}
BENCHMARK(BM_HistoryFollowConditionChange)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

SHRINK4_WINDOW_BENCHMARK_MAIN()
