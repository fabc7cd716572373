// Renders the history view offscreen into a PNG, for the README and for looking at the
// layout: shrink4_render_history OUT.png [TAB [CROWDED [LAST]]]
// A few conditions are set in the main window and 300 made-up draws pasted; TAB (0..2)
// picks the table, the time chart or the condition chart; CROWDED other than 0 ticks every
// family of conditions; LAST shows only the latest draws (fewer than 30 to see them marked so).
#include "ui/main/MainWindow.h"
#include "ui/widgets/textbox/TextBox.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QPixmap>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTabWidget>

#include <cstdio>
#include <string_view>

namespace {

QString madeUpDraws()
{
    QRandomGenerator random(20240101);
    QString text = QStringLiteral("期号 开奖号码\n");
    for (int i = 1; i <= 300; ++i)
        text += QStringLiteral("2024%1 %2\n")
                    .arg(i, 3, 10, QLatin1Char('0'))
                    .arg(random.bounded(10000), 4, 10, QLatin1Char('0'));
    return text;
}

template <class T>
T* named(QWidget* window, const char* name)
{
    return window->findChild<T*>(QString::fromLatin1(name));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.png [TAB]\n", argv[0]);
        return 2;
    }
    shrink4::MainWindow window;
    window.show();
    named<QCheckBox>(&window, "Check_hewei_sha(3)")->setChecked(true);
    named<QCheckBox>(&window, "Check_kuadu_sha(9)")->setChecked(true);
    named<QCheckBox>(&window, "Check_ac_sha(0)")->setChecked(true);
    named<QCheckBox>(&window, "Check_tebie_paichu(0)")->setChecked(true);
    named<shrink4::TextBox>(&window, "T_main_sha_2ma")->setPlainText(QStringLiteral("12 34 56"));
    if (argc >= 4 && std::string_view(argv[3]) != "0") { // every family of conditions, for a crowded condition chart
        for (const char* name : {"Check_tsm_sha(0)", "Check_hewei_sha1(5)", "Check_tebie_paichu1(0)",
                                 "Check_tebie_paichu1(1)", "Check_tebie_paichu1(2)", "Check_tebie_paichu1(3)",
                                 "Check_tebie_paichu1(4)", "Check_tebie_paichu1(5)", "Check_shaxingtai_daxiao(0)",
                                 "Check_shaxingtai_jo(0)", "Check_shaxingtai_zhihe(0)", "Check_shaxingtai_012(0)"})
            named<QCheckBox>(&window, name)->setChecked(true);
        for (const char* name : {"T_main_shazhixuan", "T_main_laji_fushi", "T_main_bichu_2ma", "T_main_sha_3ma",
                                 "T_main_bichu_3ma", "T_main_dw_sha"})
            named<shrink4::TextBox>(&window, name)->setPlainText(QStringLiteral("1234"));
    }
    named<QAction>(&window, "action_history")->trigger();
    QWidget* history = named<QWidget>(&window, "Fhistory");
    if (argc >= 3)
        named<QTabWidget>(history, "history_tabs")->setCurrentIndex(QString::fromLocal8Bit(argv[2]).toInt());
    QApplication::processEvents();
    named<shrink4::TextBox>(history, "history_draws")->setPlainText(madeUpDraws());
    named<QAbstractButton>(history, "history_apply")->click();
    if (argc >= 5)
        named<QSpinBox>(history, "history_last")->setValue(QString::fromLocal8Bit(argv[4]).toInt());
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    return history->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
