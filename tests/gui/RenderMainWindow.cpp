// Renders the main window offscreen into a PNG, for the README and for looking at the
// layout: shrink4_render_window OUT.png [WIDTH HEIGHT] [--with-result] [--stats]
// --with-result ticks a few conditions and runs once, so the list shows a result, and
// checks a drawn number the run does not list. --stats renders the 统计 window instead,
// with the numbers of one bar listed. --dark renders under a dark palette (Fusion), to see
// that every frame stays readable.
#include "ui/stats/HistogramChart.h"
#include "ui/main/MainWindow.h"
#include "ui/main/RunController.h"
#include "ui/stats/StatsWindow.h"
#include "ui/widgets/textbox/LineBox.h"
#include "ui/widgets/textbox/TextBox.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QPalette>
#include <QPixmap>
#include <QStyleFactory>

#include <cstdio>
#include <cstring>

namespace {

// A dark desktop's palette, as a dark system theme gives it.
QPalette darkPalette()
{
    QPalette p;
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(140, 140, 140));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::Light, QColor(80, 80, 80));
    p.setColor(QPalette::Mid, QColor(90, 90, 90));
    p.setColor(QPalette::Dark, QColor(25, 25, 25));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(127, 127, 127));
    return p;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    for (int i = 2; i < argc; ++i)
        if (std::strcmp(argv[i], "--dark") == 0) {
            QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
            QApplication::setPalette(darkPalette());
        }
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.png [WIDTH HEIGHT] [--with-result]\n", argv[0]);
        return 2;
    }
    bool withResult = false;
    bool stats = false;
    for (int i = 2; i < argc; ++i) {
        withResult = withResult || std::strcmp(argv[i], "--with-result") == 0;
        stats = stats || std::strcmp(argv[i], "--stats") == 0;
    }
    shrink4::MainWindow window;
    if (argc >= 4 && argv[2][0] != '-')
        window.resize(QString::fromLocal8Bit(argv[2]).toInt(), QString::fromLocal8Bit(argv[3]).toInt());
    window.runner().setListAtOnceWithin(60000); // the picture shows the listed result
    window.show();
    if (withResult) {
        window.findChild<shrink4::TextBox*>(QStringLiteral("T_main_sha_2ma"))->setPlainText(QStringLiteral("12 34 56"));
        window.findChild<QCheckBox*>(QStringLiteral("Check_tsm_sha(9)"))->setChecked(true);
        window.findChild<QCheckBox*>(QStringLiteral("Check_kuadu_sha(0)"))->setChecked(true);
        window.findChild<QAbstractButton*>(QStringLiteral("C_danzu(7)"))->click();
        window.findChild<QAbstractButton*>(QStringLiteral("C_guolv_ks"))->click();
        window.findChild<shrink4::LineBox*>(QStringLiteral("T_duijiang"))->setText(QStringLiteral("1239"));
    }
    QApplication::processEvents();
    if (stats) {
        window.findChild<QAction*>(QStringLiteral("action_stats"))->trigger();
        auto* view = window.findChild<shrink4::StatsWindow*>();
        QApplication::processEvents();
        auto* chart = view->findChild<shrink4::HistogramChart*>();
        emit chart->barClicked(1);
        QApplication::processEvents();
        return view->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
    }
    const QSize min = window.minimumSizeHint();
    std::printf("window %dx%d, minimum %dx%d\n", window.width(), window.height(), min.width(), min.height());
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
