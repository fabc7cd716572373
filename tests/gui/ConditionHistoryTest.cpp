// The window's one undo history: every kind of condition change taken back and made again,
// the boxes' own undo agreeing with it, and the undo strip working through it.

#include "MainWindowTestSupport.h"

#include "ui/main/ConditionHistory.h"
#include "ui/main/RunController.h"

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QUndoStack>

#include <array>

using namespace shrink4;
using namespace shrink4::test;

namespace {

ConditionInputs someConditions()
{
    ConditionInputs in;
    in.straightKills = "1234\r\n5678";
    in.basePool = "0123";
    in.sumValues = "05.16";
    in.sumTails[3] = 1;
    in.sumTails[7] = 1;
    in.danDigits[2] = true;
    in.totalTolerance = {"0", "1"};
    return in;
}

QAction* action(MainWindow* w, const char* name)
{
    return control<QAction>(w, QLatin1String(name));
}

// Ctrl+Z / Ctrl+Y where the focus is, as the player presses them.
void press(MainWindow* w, Qt::Key key)
{
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : w, key, Qt::ControlModifier);
}

TextBox* box(MainWindow* w, const char* name)
{
    return control<TextBox>(w, QLatin1String(name));
}

void typeInto(TextBox* box, const QString& text)
{
    box->setFocus();
    QTest::keyClicks(box, text);
}

// Keys reach the window's shortcuts only while it is active.
std::unique_ptr<MainWindow> activeWindow()
{
    auto w = makeWindow();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w.get()))
        qFatal("the window did not become active");
    return w;
}

struct Kind {
    const char* name;
    const char* step; // as 撤销 names it
    void (*act)(MainWindow* w, const QString& schemePath);
};

const std::array<Kind, 10> kKinds = {{
    {"typing", "输入 杀直选号码",
     [](MainWindow* w, const QString&) { typeInto(box(w, "T_main_shazhixuan"), "12 34"); }},
    {"tolerance", "输入 过滤条件总容错",
     [](MainWindow* w, const QString&) {
         TextBox* upper = box(w, "T_zong_rc(1)");
         upper->setFocus();
         upper->selectAll();
         QTest::keyClicks(upper, "3");
     }},
    {"check box", "勾选 杀跨度",
     [](MainWindow* w, const QString&) {
         check(w, "Check_kuadu_sha", 4)->setFocus();
         QTest::keyClick(check(w, "Check_kuadu_sha", 4), Qt::Key_Space);
     }},
    {"dan button", "选中 胆组", [](MainWindow* w, const QString&) { button(w, arrayName("C_danzu", 13))->click(); }},
    {"row 清", "清 杀和尾", [](MainWindow* w, const QString&) { button(w, "C_hewei_sha_cls")->click(); }},
    {"frame 全", "全 杀大小形态", [](MainWindow* w, const QString&) { button(w, "C_shaxingtai_dx_all(0)")->click(); }},
    {"清空所有条件", "清空所有条件", [](MainWindow* w, const QString&) { button(w, "C_all_cls")->click(); }},
    {"box's 清", "清 杀和值", [](MainWindow* w, const QString&) { button(w, "C_ac_chu_cls")->click(); }},
    {"open scheme", "打开方案 a.json", [](MainWindow* w, const QString& path) { QVERIFY(w->openScheme(path)); }},
    {"new scheme", "新建方案",
     [](MainWindow* w, const QString& path) {
         QVERIFY(w->saveScheme(path)); // nothing unsaved to ask about
         w->newScheme();
     }},
}};

} // namespace

class ConditionHistoryTest : public QObject {
    Q_OBJECT

private slots:
    void everyKindOfChangeIsOneStepUndoneAndRedone_data()
    {
        QTest::addColumn<int>("kind");
        for (std::size_t i = 0; i < kKinds.size(); ++i)
            QTest::newRow(kKinds[i].name) << int(i);
    }

    void everyKindOfChangeIsOneStepUndoneAndRedone()
    {
        QFETCH(int, kind);
        const Kind& k = kKinds[std::size_t(kind)];
        // 撤销 and 重做 by key wherever the focus is: on the first box, or where the change left it.
        QTemporaryDir dir;
        const QString scheme = dir.filePath(QStringLiteral("a.json"));
        auto w = activeWindow();
        ConditionInputs inScheme = someConditions();
        inScheme.spans[1] = 1;
        w->setConditions(inScheme);
        QVERIFY(w->saveScheme(scheme));
        w->setConditions(someConditions());
        const ConditionInputs before = w->conditions();

        k.act(w.get(), scheme);
        const ConditionInputs after = w->conditions();
        QVERIFY(after != before);
        QCOMPARE(w->history().stack()->count(), 1);
        QCOMPARE(action(w.get(), "action_undo")->text(), QStringLiteral("撤销 %1").arg(QString::fromUtf8(k.step)));

        press(w.get(), Qt::Key_Z);
        QCOMPARE(w->conditions(), before);
        press(w.get(), Qt::Key_Y);
        QCOMPARE(w->conditions(), after);
        action(w.get(), "action_undo")->trigger(); // from the menu too
        QCOMPARE(w->conditions(), before);
        action(w.get(), "action_redo")->trigger();
        QCOMPARE(w->conditions(), after);
    }

    // Typing, then a scheme opened over it: each is taken back in turn, the scheme's mark and
    // the result with it, and made again.
    void stepsAcrossASchemeOpen()
    {
        QTemporaryDir dir;
        const QString scheme = dir.filePath(QStringLiteral("b.json"));
        auto w = activeWindow();
        w->setConditions(someConditions());
        QVERIFY(w->saveScheme(scheme));
        w->newScheme();
        const ConditionInputs blank = w->conditions();
        w->runner().start();
        const int listed = listItems(w.get()).size();
        typeInto(box(w.get(), "T_main_sha_2ma"), "12");
        const ConditionInputs typed = w->conditions();
        QVERIFY(w->openScheme(scheme));
        QCOMPARE(w->conditions(), someConditions());
        QVERIFY(listItems(w.get()).isEmpty());

        action(w.get(), "action_undo")->trigger();
        QCOMPARE(w->conditions(), typed);
        QCOMPARE(w->currentScheme(), QString());
        QCOMPARE(listItems(w.get()).size(), listed);
        action(w.get(), "action_undo")->trigger();
        QCOMPARE(w->conditions(), blank);
        action(w.get(), "action_redo")->trigger();
        action(w.get(), "action_redo")->trigger();
        QCOMPARE(w->conditions(), someConditions());
        QCOMPARE(w->currentScheme(), scheme);
        QVERIFY(listItems(w.get()).isEmpty());
    }

    // The box's own Ctrl+Z and the window's 撤销 take the same steps, in either order.
    void boxUndoAndWindowUndoAgree()
    {
        auto w = activeWindow();
        TextBox* kills = box(w.get(), "T_main_shazhixuan");
        TextBox* pool = box(w.get(), "T_dadi_nb");
        typeInto(kills, "12");
        press(w.get(), Qt::Key_Z); // in the box
        QCOMPARE(kills->toPlainText(), QString());
        action(w.get(), "action_redo")->trigger();
        QCOMPARE(kills->toPlainText(), QStringLiteral("12"));
        action(w.get(), "action_undo")->trigger();
        QCOMPARE(kills->toPlainText(), QString());
        press(w.get(), Qt::Key_Y);
        QCOMPARE(kills->toPlainText(), QStringLiteral("12"));

        typeInto(pool, "0123"); // the focus moved: a step of its own
        action(w.get(), "action_undo")->trigger();
        QCOMPARE(pool->toPlainText(), QString());
        QCOMPARE(kills->toPlainText(), QStringLiteral("12"));
        typeInto(kills, "5"); // typing after an undo drops what it could redo
        QVERIFY(!w->history().stack()->canRedo());
        QTest::qWait(1200); // a pause ends the step
        QTest::keyClicks(kills, "6");
        QCOMPARE(kills->toPlainText(), QStringLiteral("1256"));
        press(w.get(), Qt::Key_Z);
        QCOMPARE(kills->toPlainText(), QStringLiteral("125"));
        press(w.get(), Qt::Key_Z);
        QCOMPARE(kills->toPlainText(), QStringLiteral("12"));
        press(w.get(), Qt::Key_Z);
        QCOMPARE(kills->toPlainText(), QString());
        QVERIFY(!w->history().stack()->canUndo());
        QCOMPARE(pool->toPlainText(), QString());
        press(w.get(), Qt::Key_Y);
        press(w.get(), Qt::Key_Y);
        press(w.get(), Qt::Key_Y);
        QCOMPARE(kills->toPlainText(), QStringLiteral("1256"));
        QCOMPARE(pool->toPlainText(), QString());
    }

    // A refused dan count switches itself back: no step is left that would do nothing.
    void aRefusedChoiceLeavesNoStep()
    {
        auto w = activeWindow();
        button(w.get(), arrayName("C_danzu", 0))->click();
        answerMessageBoxes([&] { button(w.get(), arrayName("C_danzu_gs", 3))->click(); });
        QCOMPARE(w->history().stack()->count(), 1);
        QCOMPARE(action(w.get(), "action_undo")->text(), QStringLiteral("撤销 选中 胆组"));
    }

    // The strip after a clear undoes that step of the history, and goes once the history moves on.
    void undoStripUndoesThroughTheHistory()
    {
        auto w = activeWindow();
        w->setConditions(someConditions());
        typeInto(box(w.get(), "T_main_sha_3ma"), "123");
        button(w.get(), "C_all_cls")->click();
        QAbstractButton* strip = button(w.get(), "C_undo_notice");
        QVERIFY(strip->isVisible());
        strip->click();
        QVERIFY(!strip->isVisible());
        QCOMPARE(box(w.get(), "T_main_sha_3ma")->toPlainText(), QStringLiteral("123"));
        QCOMPARE(action(w.get(), "action_redo")->text(), QStringLiteral("重做 清空所有条件"));
        QCOMPARE(w->history().stack()->index(), 1); // the typing stays done

        action(w.get(), "action_redo")->trigger();
        button(w.get(), "C_all_cls")->click();
        QVERIFY(strip->isVisible());
        QTest::keyClick(check(w.get(), "Check_kuadu_sha", 2), Qt::Key_Space);
        QVERIFY(!strip->isVisible());
    }
};

SHRINK4_REGISTER_GUI_TEST(ConditionHistoryTest)

#include "ConditionHistoryTest.moc"
