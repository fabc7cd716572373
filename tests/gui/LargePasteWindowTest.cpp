// 10 MB pastes, one entry per line as lists are usually pasted, into the text boxes of the
// main window, the set tool and the splice tool: every action still completes and shows
// the right result. Each action's time is printed for the record; nothing here asserts on
// it.

#include "MainWindowTestSupport.h"

#include "conditions/HelpTexts.h"
#include "stages/CodeListStages.h"
#include "stages/JunkCompoundStage.h"
#include "stages/PositionalKillStage.h"
#include "ui/sets/SetToolWindow.h"
#include "ui/splice/SpliceWindow.h"
#include "ui/widgets/ToolWindows.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QPushButton>
#include <QScrollBar>

using namespace shrink4;
using namespace shrink4::test;

namespace {

constexpr qsizetype kPaste = 10 << 20;

QString pasteOf(const QString& unit)
{
    QString s;
    s.reserve(kPaste + unit.size());
    while (s.size() < kPaste)
        s += unit;
    return s;
}

// Runs the action and prints how long it took.
template <class F>
void timed(const char* what, F&& action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    qInfo("%s: %lld ms", what, static_cast<long long>(timer.elapsed()));
}

QWidget* topLevel(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

} // namespace

class LargePasteWindowTest : public QObject {
    Q_OBJECT
private slots:
    void mainWindowRunsWithEveryTextBoxFull()
    {
        auto w = makeWindow();
        const std::pair<const char*, QString> pastes[] = {
            {"T_main_shazhixuan", pasteOf(QStringLiteral("1234\n"))},
            {"T_main_laji_fushi", pasteOf(QStringLiteral("12*34*5*67\n"))},
            {"T_main_sha_2ma", pasteOf(QStringLiteral(",;\n")) + QStringLiteral("99")},
            {"T_main_bichu_2ma", pasteOf(QStringLiteral("\n")) + QLatin1Char('0')},
            {"T_main_sha_3ma", pasteOf(QStringLiteral("x\n")) + QStringLiteral("777")},
            {"T_main_bichu_3ma", pasteOf(QStringLiteral(" \n"))},
            {"T_main_dw_sha", pasteOf(QStringLiteral("1**8\n"))},
            {"T_dadi_nb", pasteOf(QStringLiteral("0042\n"))},
        };
        for (const auto& [name, text] : pastes) {
            auto* box = control<TextBox>(w.get(), QLatin1String(name));
            QApplication::clipboard()->setText(text);
            box->setFocus();
            box->selectAll();
            timed(qPrintable(QStringLiteral("paste 10 MB into %1").arg(QLatin1String(name))),
                  [&] { QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier); });
        }
        const QString sumPaste = pasteOf(QStringLiteral("00."));
        timed("set 10 MB into T_sha_hezhi",
              [&] { control<LineBox>(w.get(), QStringLiteral("T_sha_hezhi"))->setText(sumPaste); });
        // Tolerance boxes of ten megabytes of zeros still read as 0.
        const QString zeros = pasteOf(QStringLiteral("0"));
        for (const char* array : {"T_dzu_rc", "T_dw_rc"})
            for (int i = 0; i < 2; ++i)
                control<LineBox>(w.get(), arrayName(array, i))->setText(zeros);
        // Every number fails the lone digit of the must-contain box: a window of [1, 1]
        // keeps the numbers that fail nothing else. The pool holds 0042 alone, which
        // none of the other conditions touches.
        control<LineBox>(w.get(), arrayName("T_zong_rc", 0))->setText(QStringLiteral("1"));
        control<LineBox>(w.get(), arrayName("T_zong_rc", 1))->setText(QStringLiteral("1"));
        timed("run", [&] { button(w.get(), QStringLiteral("C_guolv_ks"))->click(); });
        QCOMPARE(labelText(w.get(), QStringLiteral("dadi_zhushu")), QStringLiteral("1"));
        QCOMPARE(listItems(w.get()), QStringList{QStringLiteral("0042  ")});
        // The code lists show their normalised text after the run.
        QCOMPARE(control<TextBox>(w.get(), QStringLiteral("T_main_sha_3ma"))->toPlainText(), QStringLiteral("777"));
        QCOMPARE(control<TextBox>(w.get(), QStringLiteral("T_main_sha_2ma"))->toPlainText(), QStringLiteral("99"));

        // Typing at the end of a full box, and taking it back.
        auto* pool = control<TextBox>(w.get(), QStringLiteral("T_dadi_nb"));
        pool->setFocus();
        QTest::keyClick(pool, Qt::Key_End, Qt::ControlModifier);
        timed("type a number at the end of a full box", [&] { QTest::keyClicks(pool, QStringLiteral("5678")); });
        QVERIFY(pool->toPlainText().endsWith(QStringLiteral("0042\n5678")));
        timed("undo it", [&] { QTest::keyClick(pool, Qt::Key_Z, Qt::ControlModifier); });
        QVERIFY(pool->toPlainText().endsWith(QStringLiteral("0042\n")));
        timed("scroll a full box to its middle", [&] {
            pool->verticalScrollBar()->setValue(pool->verticalScrollBar()->maximum() / 2);
            pool->repaint();
        });

        auto* prize = control<LineBox>(w.get(), QStringLiteral("T_duijiang"));
        const QString prizePaste = pasteOf(QStringLiteral("0"));
        timed("type a 10 MB prize number", [&] { prize->setText(prizePaste); });
        QCOMPARE(labelText(w.get(), QStringLiteral("L_duijiang_news")), QStringLiteral("【号码不全】"));
        timed("clear every condition",
              [&] { answerMessageBoxes([&] { button(w.get(), QStringLiteral("C_all_cls"))->click(); }); });
        QVERIFY(pool->toPlainText().size() < 100); // back to its hint
    }

    void setToolWithTwoFullLists()
    {
        QWidget main;
        main.show();
        showToolWindow<SetToolWindow>(&main);
        QWidget* tool = topLevel(QStringLiteral("Fjiaoji"));
        QVERIFY(tool);
        auto* a = tool->findChild<TextBox*>(QStringLiteral("T_dd_jiaoji(0)"));
        auto* b = tool->findChild<TextBox*>(QStringLiteral("T_dd_jiaoji(1)"));
        const QString listA = pasteOf(QStringLiteral("1234 5678\n"));
        const QString listB = pasteOf(QStringLiteral("abc\n")) + QStringLiteral("5678");
        timed("fill list A", [&] { a->setPlainText(listA); });
        timed("fill list B", [&] { b->setPlainText(listB); });
        timed("intersection", [&] {
            QTest::mouseClick(tool->findChild<QPushButton*>(QStringLiteral("C_jiaoji_xuanzhe(0)")), Qt::LeftButton);
        });
        QCOMPARE(tool->findChild<TextBox*>(QStringLiteral("T_dd_jiaoji(2)"))->toPlainText(), QStringLiteral("5678"));
        QCOMPARE(tool->findChild<LineBox*>(QStringLiteral("T_jiaoji_zhushu"))->text(), QStringLiteral("1"));
        tool->close();
    }

    void spliceToolPastesAndRunsFullBoxes()
    {
        QWidget main;
        main.show();
        showToolWindow<SpliceWindow>(&main);
        QWidget* splice = topLevel(QStringLiteral("Fmain_pj"));
        QVERIFY(splice);
        QApplication::clipboard()->setText(pasteOf(QStringLiteral("123,;\n")));
        timed("paste 10 MB into a box", [&] {
            QTest::mouseClick(splice->findChild<QPushButton*>(QStringLiteral("C_34_zhantie(0)")), Qt::LeftButton);
        });
        QCOMPARE(splice->findChild<QLabel*>(QStringLiteral("L_34_zhushu(0)"))->text(),
                 QString::number((kPaste + 5) / 6));
        timed("splice page 34", [&] {
            QTest::mouseClick(splice->findChild<QPushButton*>(QStringLiteral("C_34_pj(0)")), Qt::LeftButton);
        });
        QCOMPARE(splice->findChild<QLabel*>(QStringLiteral("L__34_dd_hushu"))->text(), QStringLiteral("10"));
        QVERIFY(splice->findChild<TextBox*>(QStringLiteral("T_34_dd"))
                    ->toPlainText()
                    .startsWith(QStringLiteral("1230 1231")));
        splice->close();
    }
};

SHRINK4_REGISTER_GUI_TEST(LargePasteWindowTest)

#include "LargePasteWindowTest.moc"
