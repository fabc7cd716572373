// The start button's run as the window shows it: the listed result, the buttons and
// progress frame around the run, the prize check and the group conversion.

#include "MainWindowTestSupport.h"

#include "ui/main/PagedConditions.h"
#include "ui/main/RunController.h"
#include "ui/widgets/TwoBoxProgressBar.h"

#include <QSemaphore>

#include <new>
#include <stdexcept>
#include <utility>

using namespace shrink4;
using namespace shrink4::test;

namespace {

const char* const kRunButtons[] = {"C_guolv_zhuan_zuxuan", "C_copy", "C_all_cls", "C_guolv_ks"};

void clickStart(MainWindow& w)
{
    button(&w, QStringLiteral("C_guolv_ks"))->click();
}

void setBasePool(MainWindow& w, const QString& text)
{
    setPlainText(&w, QStringLiteral("T_dadi_nb"), text);
}

void typePrize(MainWindow& w, const QString& text)
{
    control<LineBox>(&w, QStringLiteral("T_duijiang"))->setText(text);
}

// Holds the window's runs until opened: a run as long as the test needs. Opened on leaving
// in any case, so that no worker waits for ever.
class Gate {
public:
    explicit Gate(RunController& runner)
    {
        runner.setListAtOnceWithin(0);
        runner.setEngine([this](const ConditionInputs& inputs, const ProgressFn& progress) {
            progress(0.2);
            m_open.acquire();
            return filterRun(inputs, progress);
        });
    }
    ~Gate() { m_open.release(16); }
    Gate(const Gate&) = delete;
    Gate& operator=(const Gate&) = delete;
    void open(int runs = 1) { m_open.release(runs); }

private:
    QSemaphore m_open;
};

QString prizeCaption(MainWindow& w)
{
    return labelText(&w, QStringLiteral("L_duijiang_news"));
}

} // namespace

class MainWindowRunTest : public QObject {
    Q_OBJECT
private slots:
    void untouchedWindowListsEveryNumber()
    {
        auto w = makeWindow();
        clickStart(*w);
        const QStringList items = listItems(w.get());
        QCOMPARE(items.size(), 5000);
        QCOMPARE(items.first(), QStringLiteral("0000  0001  "));
        QCOMPARE(items.last(), QStringLiteral("9998  9999  "));
        QCOMPARE(labelText(w.get(), QStringLiteral("dadi_zhushu")), QStringLiteral("10000"));
    }

    void typedAndTickedConditionsDecideTheList()
    {
        auto w = makeWindow();
        setPlainText(w.get(), QStringLiteral("T_main_shazhixuan"), QStringLiteral("1234\n5678"));
        check(w.get(), "Check_tsm_sha", 9)->setChecked(true);
        clickStart(*w);
        // No 9 anywhere: 9^4 numbers, less the two typed ones.
        QCOMPARE(labelText(w.get(), QStringLiteral("dadi_zhushu")), QStringLiteral("6559"));
        const QString all = listItems(w.get()).join(QString());
        QVERIFY(!all.contains(QLatin1String("1234")));
        QVERIFY(!all.contains(QLatin1String("5678")));
        QVERIFY(!all.contains(QLatin1Char('9')));
        QVERIFY(all.contains(QLatin1String("1235")));
    }

    void oddCountEndsWithAOneNumberLine()
    {
        auto w = makeWindow();
        setBasePool(*w, QStringLiteral("0001 0002 0003"));
        clickStart(*w);
        QCOMPARE(listItems(w.get()), (QStringList{QStringLiteral("0001  0002  "), QStringLiteral("0003  ")}));
        QCOMPARE(w->resultText(), QStringLiteral("0001  0002  0003  "));
        QCOMPARE(labelText(w.get(), QStringLiteral("dadi_zhushu")), QStringLiteral("3"));
    }

    void codeListsShowTheirNormalisedTextAfterTheRun()
    {
        auto w = makeWindow();
        setPlainText(w.get(), QStringLiteral("T_main_sha_2ma"), QStringLiteral("  12，34\n\n"));
        setPlainText(w.get(), QStringLiteral("T_main_bichu_3ma"), QStringLiteral("１２３")); // full-width: inactive
        clickStart(*w);
        QCOMPARE(control<TextBox>(w.get(), QStringLiteral("T_main_sha_2ma"))->toPlainText(), QStringLiteral("12 34"));
        QCOMPARE(control<TextBox>(w.get(), QStringLiteral("T_main_bichu_3ma"))->toPlainText(),
                 QStringLiteral("１２３"));
        QVERIFY(!listItems(w.get()).join(QString()).contains(QLatin1String("1200")));
    }

    void aQuickRunIsListedAtOnceWithoutAProgressFrame()
    {
        auto w = makeWindow();
        typePrize(*w, QStringLiteral("12"));
        int reports = 0;
        connect(&w->runner(), &RunController::progressed, this, [&] { ++reports; });
        clickStart(*w);
        QCOMPARE(labelText(w.get(), QStringLiteral("dadi_zhushu")), QStringLiteral("10000"));
        QCOMPARE(reports, 0);
        QVERIFY(control<QWidget>(w.get(), QStringLiteral("Frame_jindu"))->isHidden());
        for (const char* name : kRunButtons)
            QVERIFY(button(w.get(), QString::fromLatin1(name))->isEnabled());
        // What was typed for the prize check stays, checked against the new list.
        QCOMPARE(control<LineBox>(w.get(), QStringLiteral("T_duijiang"))->text(), QStringLiteral("12"));
        QCOMPARE(prizeCaption(*w), QStringLiteral("【号码不全】"));
    }

    // A long run leaves the window to the player: keys are taken while it goes, the boxes
    // typed into keep what was typed, and the result lists when the run ends.
    void theWindowTakesKeysWhileALongRunGoes()
    {
        auto w = makeWindow();
        auto* frame = control<QWidget>(w.get(), QStringLiteral("Frame_jindu"));
        setPlainText(w.get(), QStringLiteral("T_main_sha_2ma"), QStringLiteral("  12，34"));
        setPlainText(w.get(), QStringLiteral("T_main_bichu_2ma"), QStringLiteral("  56，78"));
        Gate gate(w->runner());
        QList<double> fills;
        connect(&w->runner(), &RunController::progressed, this, [&](double f) { fills << f; });
        clickStart(*w);

        QVERIFY(frame->isVisible());
        QVERIFY(w->runner().running());
        for (const char* name : {"C_guolv_zhuan_zuxuan", "C_copy", "C_all_cls"})
            QVERIFY(!button(w.get(), QString::fromLatin1(name))->isEnabled());
        QVERIFY(button(w.get(), QStringLiteral("C_guolv_ks"))->isEnabled());
        auto* typed = control<TextBox>(w.get(), QStringLiteral("T_main_sha_2ma"));
        w->pages().showPage(2);
        typed->setFocus();
        QTest::keyClick(typed, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(typed, QStringLiteral(" 90"));
        QCOMPARE(typed->toPlainText(), QStringLiteral("  12，34 90"));

        gate.open();
        QTRY_VERIFY(frame->isHidden());
        QVERIFY(!fills.isEmpty() && fills.first() == 0.001 && std::is_sorted(fills.begin(), fills.end()));
        QCOMPARE(typed->toPlainText(), QStringLiteral("  12，34 90"));
        QCOMPARE(control<TextBox>(w.get(), QStringLiteral("T_main_bichu_2ma"))->toPlainText(), QStringLiteral("56 78"));
        QCOMPARE(w->focusWidget(), typed);
        for (const char* name : kRunButtons)
            QVERIFY(button(w.get(), QString::fromLatin1(name))->isEnabled());
        // The list is of the conditions as they were when the run began.
        QVERIFY(control<QWidget>(w.get(), QStringLiteral("L_result_state"))->isVisible());
        gate.open();
        QTest::keyClick(w.get(), Qt::Key_F5);
        QTRY_VERIFY(!control<QWidget>(w.get(), QStringLiteral("L_result_state"))->isVisible());
        QCOMPARE(typed->toPlainText(), QStringLiteral("12 34 90"));
    }

    void startingAgainDropsTheRunGoing()
    {
        auto w = makeWindow();
        Gate gate(w->runner());
        int listed = 0;
        connect(&w->runner(), &RunController::completed, this, [&] { ++listed; });
        setBasePool(*w, QStringLiteral("0001 0002"));
        clickStart(*w);
        setBasePool(*w, QStringLiteral("0003"));
        clickStart(*w);
        gate.open(2);
        QTRY_VERIFY(!w->runner().running());
        QTest::qWait(50); // the dropped run's end, had it been listed
        QCOMPARE(listed, 1);
        QCOMPARE(listItems(w.get()), QStringList{QStringLiteral("0003  ")});
        QVERIFY(!control<QWidget>(w.get(), QStringLiteral("L_result_state"))->isVisible());
    }

    void aFailedRunGivesTheWindowBack()
    {
        auto w = makeWindow();
        clickStart(*w);
        for (const auto& [thrown, said] :
             {std::pair<std::function<void()>, QString>{[] { throw std::runtime_error("simulated failure"); },
                                                        QStringLiteral("simulated failure")},
              {[] { throw std::bad_alloc(); }, QStringLiteral("内存不足")}}) {
            w->runner().setEngine([thrown = thrown](const ConditionInputs&, const ProgressFn&) -> RunResult {
                thrown();
                return {};
            });
            const MessageBoxSeen seen = answerMessageBoxes([&] { clickStart(*w); });
            QCOMPARE(seen.count, 1);
            QCOMPARE(seen.title, QStringLiteral("错误提示"));
            QVERIFY2(seen.text.contains(said), qPrintable(seen.text));
            QVERIFY(control<QWidget>(w.get(), QStringLiteral("Frame_jindu"))->isHidden());
            for (const char* name : kRunButtons)
                QVERIFY(button(w.get(), QString::fromLatin1(name))->isEnabled());
            // The earlier result stays on screen.
            QCOMPARE(labelText(w.get(), QStringLiteral("dadi_zhushu")), QStringLiteral("10000"));
        }
    }

    void f5StartsARun()
    {
        auto w = makeWindow();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QTest::keyClick(w.get(), Qt::Key_F5);
        QCOMPARE(labelText(w.get(), QStringLiteral("dadi_zhushu")), QStringLiteral("10000"));
    }

    void prizeCheckBeforeAnyRunAndAfterAnEmptyRun()
    {
        auto w = makeWindow();
        typePrize(*w, QStringLiteral("1234"));
        QCOMPARE(prizeCaption(*w), QStringLiteral("【请先缩水】"));

        setBasePool(*w, QStringLiteral("123")); // no four-digit run: nothing survives
        clickStart(*w);
        QCOMPARE(listItems(w.get()).size(), 0);
        QCOMPARE(labelText(w.get(), QStringLiteral("dadi_zhushu")), QStringLiteral("0"));
        typePrize(*w, QStringLiteral("1234"));
        QCOMPARE(prizeCaption(*w), QStringLiteral("【没有中奖】"));
    }

    void prizeCheckAsTheDrawnNumberIsTyped()
    {
        auto w = makeWindow();
        setBasePool(*w, QStringLiteral("1234 5678 9012"));
        clickStart(*w);
        // Nothing typed: the check waits, after a run as after a change of the conditions.
        QCOMPARE(prizeCaption(*w), QStringLiteral("【中奖查询】"));
        setBasePool(*w, QStringLiteral("1234 5678 9012 3456"));
        QTRY_COMPARE(prizeCaption(*w), QStringLiteral("【中奖查询】"));
        clickStart(*w);
        for (const char* partial : {"1", "12", "123", "12345"}) {
            typePrize(*w, QString::fromLatin1(partial));
            QCOMPARE(prizeCaption(*w), QStringLiteral("【号码不全】"));
        }
        QVERIFY(selectedRows(w.get()).isEmpty());
        typePrize(*w, QStringLiteral("1234"));
        QCOMPARE(prizeCaption(*w), QStringLiteral("【恭喜中奖】"));
        QCOMPARE(selectedRows(w.get()), QList<int>{0});
        typePrize(*w, QStringLiteral("  9012 "));
        QCOMPARE(prizeCaption(*w), QStringLiteral("【恭喜中奖】"));
        QCOMPARE(selectedRows(w.get()), QList<int>{1}); // the earlier hit is no longer marked
        typePrize(*w, QStringLiteral("4321"));
        QCOMPARE(prizeCaption(*w), QStringLiteral("【没有中奖】"));
        QVERIFY(selectedRows(w.get()).isEmpty());
        typePrize(*w, QString());
        QCOMPARE(prizeCaption(*w), QStringLiteral("【号码不全】"));

        // A new run checks the number typed against its own list.
        typePrize(*w, QStringLiteral("1234"));
        setBasePool(*w, QStringLiteral("5678"));
        clickStart(*w);
        QCOMPARE(control<LineBox>(w.get(), QStringLiteral("T_duijiang"))->text(), QStringLiteral("1234"));
        QCOMPARE(prizeCaption(*w), QStringLiteral("【没有中奖】"));
    }

    void groupConversionListsGroupFormsOfTheListedNumbers()
    {
        auto w = makeWindow();
        setBasePool(*w, QStringLiteral("4321 2143 5555"));
        button(w.get(), QStringLiteral("C_guolv_zhuan_zuxuan"))->click();
        QCOMPARE(listItems(w.get()), QStringList{QStringLiteral("1234 5555 ")});
        QCOMPARE(labelText(w.get(), QStringLiteral("dadi_zhushu")), QStringLiteral("2"));
        QCOMPARE(w->resultText(), QStringLiteral("1234  5555  "));
        QVERIFY(control<QWidget>(w.get(), QStringLiteral("Frame_jindu"))->isHidden());
        QVERIFY(button(w.get(), QStringLiteral("C_guolv_ks"))->isEnabled());

        // A drawn number matches its group form, in any order of its digits.
        typePrize(*w, QStringLiteral("4321"));
        QCOMPARE(prizeCaption(*w), QStringLiteral("【恭喜中奖】"));
        QCOMPARE(selectedRows(w.get()), QList<int>{0});
        typePrize(*w, QStringLiteral("1235"));
        QCOMPARE(prizeCaption(*w), QStringLiteral("【没有中奖】"));

        // The list says it holds groups, and a number not won is explained by its group.
        auto* mode = control<QLabel>(w.get(), QStringLiteral("L_result_mode"));
        QVERIFY(mode->isVisible());
        QVERIFY(mode->text().startsWith(QStringLiteral("组选结果，共 2 组")));
        typePrize(*w, QStringLiteral("9876"));
        QCOMPARE(control<QLabel>(w.get(), QStringLiteral("L_duijiang_why"))->toolTip(),
                 QStringLiteral("组选 6789 的 24 个排列都未入选；都不在大底"));

        // A plain run compares straight numbers again.
        clickStart(*w);
        QVERIFY(!mode->isVisible());
        typePrize(*w, QStringLiteral("1234"));
        QCOMPARE(prizeCaption(*w), QStringLiteral("【没有中奖】"));
    }

    void emptyGroupConversionHasNoWin()
    {
        auto w = makeWindow();
        setBasePool(*w, QStringLiteral("12"));
        button(w.get(), QStringLiteral("C_guolv_zhuan_zuxuan"))->click();
        QCOMPARE(listItems(w.get()).size(), 0);
        QCOMPARE(labelText(w.get(), QStringLiteral("dadi_zhushu")), QStringLiteral("0"));
        typePrize(*w, QStringLiteral("1234"));
        QCOMPARE(prizeCaption(*w), QStringLiteral("【没有中奖】"));
    }
};

SHRINK4_REGISTER_GUI_TEST(MainWindowRunTest)
#include "MainWindowRunTest.moc"
