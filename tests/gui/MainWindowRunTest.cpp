// The start button's run as the window shows it: the listed result, the buttons and
// progress frame around the run, the prize check and the group conversion.

#include "MainWindowTestSupport.h"

#include "ui/main/RunController.h"
#include "ui/widgets/TwoBoxProgressBar.h"

#include <stdexcept>

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

    void buttonsAndProgressFrameAroundARun()
    {
        auto w = makeWindow();
        auto* frame = control<QWidget>(w.get(), QStringLiteral("Frame_jindu"));
        auto* bar = control<TwoBoxProgressBar>(w.get(), QStringLiteral("T_jindutiao(0)"));
        auto* fill = control<QWidget>(w.get(), QStringLiteral("T_jindutiao(1)"));
        QVERIFY(frame->isHidden());
        for (const char* name : kRunButtons)
            QVERIFY(button(w.get(), QString::fromLatin1(name))->isEnabled());

        typePrize(*w, QStringLiteral("12"));
        QList<double> fills;
        bool buttonsDisabledThroughout = true;
        bool frameShownThroughout = true;
        bool prizeClearedThroughout = true;
        connect(&w->runner(), &RunController::progressed, this, [&](double f) {
            fills << f;
            for (const char* name : kRunButtons)
                buttonsDisabledThroughout &= !button(w.get(), QString::fromLatin1(name))->isEnabled();
            frameShownThroughout &= frame->isVisible();
            prizeClearedThroughout &= control<LineBox>(w.get(), QStringLiteral("T_duijiang"))->text().isEmpty();
            QCOMPARE(fill->width(), qRound(f * bar->width()));
        });
        clickStart(*w);

        QVERIFY(buttonsDisabledThroughout);
        QVERIFY(frameShownThroughout);
        QVERIFY(prizeClearedThroughout);
        QVERIFY(fills.size() >= 10);
        QCOMPARE(fills.first(), 0.001);
        QVERIFY(std::is_sorted(fills.begin(), fills.end()));
        QVERIFY(frame->isHidden());
        QCOMPARE(fill->width(), bar->width());
        for (const char* name : kRunButtons)
            QVERIFY(button(w.get(), QString::fromLatin1(name))->isEnabled());
        QCOMPARE(w->focusWidget(), button(w.get(), QStringLiteral("C_guolv_ks")));
        QCOMPARE(prizeCaption(*w), QStringLiteral("【中奖查询】"));
    }

    void aFailedRunGivesTheWindowBack()
    {
        auto w = makeWindow();
        clickStart(*w);
        connect(&w->runner(), &RunController::progressed, this, [](double f) {
            if (f >= 0.5)
                throw std::runtime_error("simulated failure");
        });
        const MessageBoxSeen seen = answerMessageBoxes([&] { clickStart(*w); });
        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.title, QStringLiteral("错误提示"));
        QVERIFY(seen.text.contains(QLatin1String("simulated failure")));
        QVERIFY(control<QWidget>(w.get(), QStringLiteral("Frame_jindu"))->isHidden());
        for (const char* name : kRunButtons)
            QVERIFY(button(w.get(), QString::fromLatin1(name))->isEnabled());
        // The earlier result stays on screen.
        QCOMPARE(labelText(w.get(), QStringLiteral("dadi_zhushu")), QStringLiteral("10000"));
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

        typePrize(*w, QStringLiteral("1234"));
        clickStart(*w);
        QVERIFY(control<LineBox>(w.get(), QStringLiteral("T_duijiang"))->text().isEmpty());
        QCOMPARE(prizeCaption(*w), QStringLiteral("【中奖查询】"));
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

        // A plain run compares straight numbers again.
        clickStart(*w);
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
