// Renders every window of the program offscreen into OUTDIR/NAME.png, as a player first
// sees each with a few conditions, a result and sixty past draws: the pictures in docs/
// (scripts/screenshots.sh runs it at each screen size and scaling).
//   shrink4_render_windows OUTDIR
#include "ui/guide/GuideSections.h"
#include "ui/guide/GuideWindow.h"
#include "ui/history/DrawsImportDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/main/RunController.h"
#include "ui/money/PrizeTableDialog.h"
#include "ui/widgets/textbox/LineBox.h"
#include "ui/widgets/textbox/TextBox.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Sixty draws, the same every time.
QByteArray pastDraws()
{
    QByteArray text;
    for (int i = 1; i <= 60; ++i)
        text += QStringLiteral("2024%1 %2\n")
                    .arg(i, 3, 10, QLatin1Char('0'))
                    .arg((i * 7919 + 1234) % 10000, 4, 10, QLatin1Char('0'))
                    .toLatin1();
    return text;
}

// A published list as players save it: the date, the issue, a five-digit draw in single
// digits, the 试机号 and the sales, newest first.
QString publishedDraws()
{
    QString text = QStringLiteral("开奖日期,期号,开奖号码,试机号,销量（元）\n");
    for (int i = 28; i >= 1; --i) {
        QString digits;
        for (int d = 0; d < 5; ++d)
            digits += QStringLiteral(",%1").arg((i * 7919 + d * 31) % 10);
        text += QStringLiteral("2024-02-%1,2024%2%3,%4,%5\n")
                    .arg(i, 2, 10, QLatin1Char('0'))
                    .arg(i + 30, 3, 10, QLatin1Char('0'))
                    .arg(digits)
                    .arg((i * 35711) % 100000, 5, 10, QLatin1Char('0'))
                    .arg(24000000 + i * 12345);
    }
    return text;
}

// A tool window: by its action in the menus, else by its button.
QWidget* openTool(shrink4::MainWindow& window, const char* opener, const char* name)
{
    const QString named = QString::fromLatin1(opener);
    if (auto* action = window.findChild<QAction*>(named))
        action->trigger();
    else if (auto* button = window.findChild<QAbstractButton*>(named))
        button->click();
    QApplication::processEvents();
    return window.findChild<QWidget*>(QString::fromLatin1(name));
}

bool save(QWidget* widget, const QString& folder, const char* name)
{
    QApplication::processEvents();
    const QString path = folder + QLatin1Char('/') + QString::fromLatin1(name) + QStringLiteral(".png");
    const bool saved = widget && widget->grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir data;
    QFile draws(data.filePath(QStringLiteral("draws.txt")));
    if (!QDir().mkpath(out) || !draws.open(QIODevice::WriteOnly) || draws.write(pastDraws()) < 0 || !draws.flush())
        return 1;
    draws.close();

    shrink4::MainWindow window;
    window.setDrawsFile(draws.fileName());
    window.runner().setListAtOnceWithin(60000); // the pictures show the listed result
    window.show();
    window.findChild<shrink4::TextBox*>(QStringLiteral("T_main_sha_2ma"))->setPlainText(QStringLiteral("12 34 56"));
    window.findChild<QCheckBox*>(QStringLiteral("Check_tsm_sha(9)"))->setChecked(true);
    window.findChild<QCheckBox*>(QStringLiteral("Check_kuadu_sha(0)"))->setChecked(true);
    window.findChild<QAbstractButton*>(QStringLiteral("C_guolv_ks"))->click();
    window.findChild<shrink4::LineBox*>(QStringLiteral("T_duijiang"))->setText(QStringLiteral("1239"));
    bool all = save(&window, out, "main-window");

    const struct {
        const char* opener;
        const char* window;
        const char* file;
    } tools[] = {{"action_stats", "Ftongji", "stats"},
                 {"action_history", "Fhistory", "history"},
                 {"action_trends", "Ftrends", "trends"},
                 {"C_pinjie_tool", "Fmain_pj", "splice"},
                 {"C_jiaoji", "Fjiaoji", "sets"}};
    for (const auto& tool : tools) {
        QWidget* shown = openTool(window, tool.opener, tool.window);
        all = save(shown, out, tool.file) && all;
        if (shown)
            shown->hide();
    }
    // 导入设置 on that list: the issue and the five digits chosen, the last four taken.
    {
        using shrink4::ColumnRole;
        shrink4::DrawsLayout layout;
        layout.digits = 5;
        layout.columns = {ColumnRole::skip,   ColumnRole::label,  ColumnRole::number, ColumnRole::number,
                          ColumnRole::number, ColumnRole::number, ColumnRole::number};
        shrink4::DrawsImportDialog preview(publishedDraws(), layout, &window);
        preview.show();
        all = save(&preview, out, "import-settings") && all;
    }
    // 奖金设置 on the example table, and the figures behind the cost line.
    {
        shrink4::PrizeTableDialog prizes(window.prizes(), &window);
        prizes.show();
        all = save(&prizes, out, "prizes") && all;
    }
    if (auto* details = window.findChild<QAbstractButton*>(QStringLiteral("C_money_details"))) {
        details->click();
        QWidget* odds = window.findChild<QWidget*>(QStringLiteral("Fodds"));
        all = save(odds, out, "odds") && all;
        if (odds)
            odds->hide();
    }
    // The rule test of 走势, run with its rule as it starts.
    QWidget* trends = openTool(window, "action_trends", "Ftrends");
    if (auto* tabs = trends ? trends->findChild<QTabWidget*>(QStringLiteral("trends_tabs")) : nullptr) {
        tabs->setCurrentIndex(tabs->count() - 1);
        trends->findChild<QSpinBox*>(QStringLiteral("rule_window"))->setValue(20);
        trends->findChild<QAbstractButton*>(QStringLiteral("rule_start"))->click();
        QElapsedTimer waited;
        waited.start();
        auto* summary = trends->findChild<QLabel*>(QStringLiteral("rule_test_summary"));
        while (!summary->text().startsWith(QStringLiteral("检验")) && waited.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        all = save(trends, out, "trends-rule-test") && all;
        trends->hide();
    }
    all = save(shrink4::openGuide(&window, shrink4::guide::kContents), out, "guide") && all;
    return all ? 0 : 1;
}
