// The window's condition controls: start-up defaults, the clear and select-all
// buttons, restore-all, the dan buttons, the pages and the help buttons.

#include "MainWindowTestSupport.h"

#include "conditions/ConditionTable.h"
#include "ui/main/PagedConditions.h"
#include "ui/application/WindowTexts.h"
#include "stages/SpecialExclusionStage.h"

#include <QMouseEvent>
#include <QScrollArea>
#include <QTabBar>

using namespace shrink4;
using namespace shrink4::test;

namespace {

struct ArrayRange {
    const char* array;
    int size;
};

const ArrayRange kAllCheckArrays[] = {
    {"Check_hewei_sha", 10},      {"Check_kuadu_sha", 10},
    {"Check_tsm_sha", 10},        {"Check_hewei_sha1", 40},
    {"Check_ac_sha", 6},          {"Check_tebie_paichu1", 6},
    {"Check_tebie_paichu", 9},    {"Check_shaxingtai_daxiao", 16},
    {"Check_shaxingtai_jo", 16},  {"Check_shaxingtai_zhihe", 16},
    {"Check_shaxingtai_012", 81},
};

void tickAll(QWidget* w, const char* array, int size)
{
    for (int i = 0; i < size; ++i)
        check(w, array, i)->setChecked(true);
}

QList<int> tickedIndexes(QWidget* w, const char* array, int size)
{
    QList<int> ticked;
    for (int i = 0; i < size; ++i)
        if (check(w, array, i)->isChecked())
            ticked << i;
    return ticked;
}

QList<int> range(int from, int to)
{
    QList<int> r;
    for (int i = from; i < to; ++i)
        r << i;
    return r;
}

// Every condition away from its start-up state.
ConditionInputs everythingChanged()
{
    static const std::string kChangedText = "12 34\r\nchanged";
    static const std::string kChangedBound = "3";
    ConditionInputs in;
    forEachControl(in, [](const ControlMeta&, auto& value) {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, std::string>)
            value = kChangedText;
        else if constexpr (std::is_same_v<T, int>)
            value = 1;
        else
            for (auto& element : value) {
                using E = std::decay_t<decltype(element)>;
                if constexpr (std::is_same_v<E, std::string>)
                    element = kChangedBound;
                else if constexpr (std::is_same_v<E, int>)
                    element = 1;
                else
                    element = true;
            }
    });
    return in;
}

// `in` with one control back at its start-up state.
ConditionInputs withStartValue(ConditionInputs in, ControlId id)
{
    const ConditionInputs start;
    std::apply([&](const auto&... c) { ((c.meta.id == id ? void(in.*c.member = start.*c.member) : void()), ...); },
               kControls);
    return in;
}

// Clicks a page's tab as a user would.
void clickTab(MainWindow* w, int i)
{
    QTabBar* bar = w->pages().tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
}

// The colour the window paints at the middle of a widget's left edge, inside its border.
QColor paintedColor(QWidget* widget)
{
    return widget->grab().toImage().pixelColor(4, widget->height() / 2);
}

} // namespace

class MainWindowConditionsTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithTheDesignTexts()
    {
        auto w = makeWindow();
        QCOMPARE(w->conditions(), ConditionInputs{});
        QVERIFY(control<QWidget>(w.get(), QStringLiteral("Frame_jindu"))->isHidden());
        QCOMPARE(labelText(w.get(), QStringLiteral("dadi_zhushu")), QStringLiteral("0"));
        QCOMPARE(labelText(w.get(), QStringLiteral("L_duijiang_news")), QStringLiteral("【中奖查询】"));
        QVERIFY(control<QWidget>(w.get(), QStringLiteral("Frame_ding(0)"))->isVisible());
        QCOMPARE(w->pages().currentPage(), 0);
    }

    void clearButtonsUntickTheirOwnBoxesOnly_data()
    {
        QTest::addColumn<QString>("clearButton");
        QTest::addColumn<QString>("array");
        QTest::addColumn<int>("size");
        QTest::addColumn<QList<int>>("cleared");
        QTest::newRow("positional row 2") << "C_dw_sha_cls(2)"
                                          << "Check_hewei_sha1" << 40 << range(20, 30);
        QTest::newRow("positional row 0") << "C_dw_sha_cls(0)"
                                          << "Check_hewei_sha1" << 40 << range(0, 10);
        QTest::newRow("sum tails") << "C_hewei_sha_cls"
                                   << "Check_hewei_sha" << 10 << range(0, 10);
        QTest::newRow("spans") << "C_kuadu_sha_cls"
                               << "Check_kuadu_sha" << 10 << range(0, 10);
        QTest::newRow("universal digits") << "C_bdw_chu_cls"
                                          << "Check_tsm_sha" << 10 << range(0, 10);
        QTest::newRow("AC values") << "C_ac_cls"
                                   << "Check_ac_sha" << 6 << range(0, 6);
        QTest::newRow("big/small clear") << "C_shaxingtai_dx_all(1)"
                                         << "Check_shaxingtai_daxiao" << 16 << range(0, 16);
        QTest::newRow("odd/even clear") << "C_shaxingtai_jo_all(1)"
                                        << "Check_shaxingtai_jo" << 16 << range(0, 16);
        QTest::newRow("prime clear") << "C_shaxingtai_zh_all(1)"
                                     << "Check_shaxingtai_zhihe" << 16 << range(0, 16);
        QTest::newRow("road clear") << "C_shaxingtai_012_all(1)"
                                    << "Check_shaxingtai_012" << 81 << range(0, 81);
    }
    void clearButtonsUntickTheirOwnBoxesOnly()
    {
        QFETCH(QString, clearButton);
        QFETCH(QString, array);
        QFETCH(int, size);
        QFETCH(QList<int>, cleared);
        auto w = makeWindow();
        const QByteArray arrayName = array.toLatin1();
        tickAll(w.get(), arrayName.constData(), size);
        button(w.get(), clearButton)->click();
        QList<int> expected;
        for (int i = 0; i < size; ++i)
            if (!cleared.contains(i))
                expected << i;
        QCOMPARE(tickedIndexes(w.get(), arrayName.constData(), size), expected);
    }

    void allButtonsTickEveryBoxOfTheirFamily_data()
    {
        QTest::addColumn<QString>("allButton");
        QTest::addColumn<QString>("array");
        QTest::addColumn<int>("size");
        QTest::newRow("big/small") << "C_shaxingtai_dx_all(0)"
                                   << "Check_shaxingtai_daxiao" << 16;
        QTest::newRow("odd/even") << "C_shaxingtai_jo_all(0)"
                                  << "Check_shaxingtai_jo" << 16;
        QTest::newRow("prime/composite") << "C_shaxingtai_zh_all(0)"
                                         << "Check_shaxingtai_zhihe" << 16;
        QTest::newRow("road") << "C_shaxingtai_012_all(0)"
                              << "Check_shaxingtai_012" << 81;
    }
    void allButtonsTickEveryBoxOfTheirFamily()
    {
        QFETCH(QString, allButton);
        QFETCH(QString, array);
        QFETCH(int, size);
        auto w = makeWindow();
        button(w.get(), allButton)->click();
        QCOMPARE(tickedIndexes(w.get(), array.toLatin1().constData(), size), range(0, size));
    }

    void allRoadBoxesKillEveryNumber()
    {
        auto w = makeWindow();
        button(w.get(), QStringLiteral("C_shaxingtai_012_all(0)"))->click();
        button(w.get(), QStringLiteral("C_guolv_ks"))->click();
        QCOMPARE(labelText(w.get(), QStringLiteral("dadi_zhushu")), QStringLiteral("0"));
    }

    // A 清 the table names is in the window and clears its own control, nothing else.
    void everyOwnClearButtonClearsItsControlOnly()
    {
        auto w = makeWindow();
        for (const ControlMeta& meta : kControlMetas) {
            if (meta.clearButton.empty())
                continue;
            const std::string name(meta.clearButton);
            w->setConditions(everythingChanged());
            const ConditionInputs expected = withStartValue(w->conditions(), meta.id);
            QAbstractButton* clear = button(w.get(), QString::fromStdString(name));
            QVERIFY2(clear->isVisibleTo(w.get()), name.c_str());
            clear->click();
            QVERIFY2(w->conditions() == expected, name.c_str());
        }
    }

    void sumValueClearAndRestoreAllLeaveTheBoxEmpty()
    {
        auto w = makeWindow();
        auto* sum = control<LineBox>(w.get(), QStringLiteral("T_sha_hezhi"));
        sum->setText(QStringLiteral("05 08"));
        button(w.get(), QStringLiteral("C_ac_chu_cls"))->click();
        QCOMPARE(sum->text(), QString());
        sum->setText(QStringLiteral("05 08"));
        button(w.get(), QStringLiteral("C_all_cls"))->click();
        QCOMPARE(sum->text(), QString()); // the help text is a placeholder, never content
    }

    // Clearing all conditions and the run's rewrite of a code list are edits of the boxes:
    // Ctrl+Z in a box brings its text back.
    void clearingAndRewritingCanBeUndoneInTheBox()
    {
        auto w = makeWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->pages().showPage(2);
        auto* codes = control<TextBox>(w.get(), QStringLiteral("T_main_sha_2ma"));
        setPlainText(w.get(), QStringLiteral("T_main_sha_2ma"), QStringLiteral("12，34\n56"));
        button(w.get(), QStringLiteral("C_guolv_ks"))->click();
        QCOMPARE(codes->toPlainText(), QStringLiteral("12 34 56"));
        button(w.get(), QStringLiteral("C_all_cls"))->click();
        QCOMPARE(codes->toPlainText(), QString());

        codes->setFocus();
        QTest::keyClick(codes, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(codes->toPlainText(), QStringLiteral("12 34 56"));
        QTest::keyClick(codes, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(codes->toPlainText(), QStringLiteral("12，34\n56"));
        QTest::keyClick(codes, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(codes->toPlainText(), QStringLiteral("12 34 56"));
    }

    void restoreAllResetsEveryConditionButRepeatCounting()
    {
        auto w = makeWindow();
        button(w.get(), QStringLiteral("C_guolv_ks"))->click();
        w->setConditions(everythingChanged());
        w->pages().showPage(3);
        control<LineBox>(w.get(), QStringLiteral("T_duijiang"))->setText(QStringLiteral("12"));
        const ConditionInputs before = w->conditions();

        button(w.get(), QStringLiteral("C_all_cls"))->click();

        ConditionInputs expected; // empty boxes, as at start-up
        expected.danRepeatCounting = 1;
        QCOMPARE(w->conditions(), expected);
        // The drawn number is not a condition: it stays, checked against the emptied list.
        QCOMPARE(control<LineBox>(w.get(), QStringLiteral("T_duijiang"))->text(), QStringLiteral("12"));
        QCOMPARE(w->pages().currentPage(), 3);
        QVERIFY(listItems(w.get()).isEmpty()); // a result of conditions no longer on screen goes too
        QCOMPARE(labelText(w.get(), QStringLiteral("dadi_zhushu")), QStringLiteral("0"));
        for (const auto& a : kAllCheckArrays)
            QVERIFY(tickedIndexes(w.get(), a.array, a.size).isEmpty());

        // The way back brings both back, the result still marked as run before the
        // conditions were changed.
        button(w.get(), QStringLiteral("C_undo_notice"))->click();
        QCOMPARE(w->conditions(), before);
        QCOMPARE(listItems(w.get()).size(), 5000);
        QVERIFY(labelText(w.get(), QStringLiteral("L_result_state")).startsWith(QStringLiteral("条件已改动")));
    }

    void danDigitButtonsToggleTheirSelection()
    {
        auto w = makeWindow();
        button(w.get(), arrayName("C_danzu", 13))->click();
        QVERIFY(isSelectedDanButton(w.get(), "C_danzu", 13));
        QVERIFY(w->conditions().danDigits[13]);
        button(w.get(), arrayName("C_danzu", 13))->click();
        QVERIFY(!isSelectedDanButton(w.get(), "C_danzu", 13));
    }

    void countButtonRefusedBeyondTheChosenDigits()
    {
        auto w = makeWindow();
        button(w.get(), arrayName("C_danzu", 0))->click();
        button(w.get(), arrayName("C_danzu", 1))->click();
        MessageBoxSeen seen = answerMessageBoxes([&] { button(w.get(), arrayName("C_danzu_gs", 3))->click(); });
        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.text, QStringLiteral("出胆个数不能大于选胆个数"));
        QCOMPARE(seen.title, QStringLiteral("错误提示"));
        QVERIFY(!isSelectedDanButton(w.get(), "C_danzu_gs", 3));

        seen = answerMessageBoxes([&] { button(w.get(), arrayName("C_danzu_gs", 2))->click(); });
        QCOMPARE(seen.count, 0);
        QVERIFY(isSelectedDanButton(w.get(), "C_danzu_gs", 2));

        // With repeat counting any count may be chosen.
        control<QCheckBox>(w.get(), QStringLiteral("Check_dm_jchong"))->setChecked(true);
        seen = answerMessageBoxes([&] { button(w.get(), arrayName("C_danzu_gs", 4))->click(); });
        QCOMPARE(seen.count, 0);
        QVERIFY(isSelectedDanButton(w.get(), "C_danzu_gs", 4));
    }

    void groupAllAndClearButtons()
    {
        auto w = makeWindow();
        button(w.get(), arrayName("C_dz_quan", 2))->click();
        const ConditionInputs in = w->conditions();
        for (int i = 0; i < 40; ++i)
            QCOMPARE(in.danDigits[std::size_t(i)], i >= 20 && i < 30);
        for (int i = 0; i < 20; ++i)
            QCOMPARE(in.danHitCounts[std::size_t(i)], i >= 11 && i < 15); // "0" of the group stays idle
        button(w.get(), arrayName("C_danma_cls", 2))->click();
        QCOMPARE(w->conditions(), ConditionInputs{});
    }

    void hiddenPagesKeepTheirTextAndTakePartInTheRun()
    {
        auto w = makeWindow();
        w->show();
        clickTab(w.get(), 3);
        QVERIFY(control<QWidget>(w.get(), QStringLiteral("Frame_ding(3)"))->isVisible());
        QVERIFY(control<QWidget>(w.get(), QStringLiteral("Frame_ding(0)"))->isHidden());
        QCOMPARE(w->pages().currentPage(), 3);
        setPlainText(w.get(), QStringLiteral("T_main_sha_3ma"), QStringLiteral("123"));

        clickTab(w.get(), 0);
        clickTab(w.get(), 0); // the visible tab again: nothing changes
        QVERIFY(control<QWidget>(w.get(), QStringLiteral("Frame_ding(0)"))->isVisible());
        QCOMPARE(w->pages().currentPage(), 0);
        QVERIFY(control<QWidget>(w.get(), QStringLiteral("Frame_ding(3)"))->isHidden());
        QCOMPARE(control<TextBox>(w.get(), QStringLiteral("T_main_sha_3ma"))->toPlainText(), QStringLiteral("123"));

        button(w.get(), QStringLiteral("C_guolv_ks"))->click();
        const QString all = listItems(w.get()).join(QString());
        QVERIFY(!all.contains(QLatin1String("1234")));
        QVERIFY(all.contains(QLatin1String("1245")));
    }

    void doubleClickEmptiesTheBasePoolAndPageBoxes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("page");
        QTest::newRow("base pool") << "T_dadi_nb" << 0;
        QTest::newRow("straight kill") << "T_main_shazhixuan" << 0;
        QTest::newRow("must 2-codes") << "T_main_bichu_2ma" << 2;
        QTest::newRow("positional kill") << "T_main_dw_sha" << 4;
    }
    void doubleClickEmptiesTheBasePoolAndPageBoxes()
    {
        QFETCH(QString, box);
        QFETCH(int, page);
        auto w = makeWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->pages().showPage(page);
        auto* edit = control<TextBox>(w.get(), box);
        setPlainText(w.get(), box, QStringLiteral("1234\n5678"));
        QTest::mouseDClick(edit->viewport(), Qt::LeftButton);
        QCOMPARE(edit->toPlainText(), QString());
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier); // and back
        QCOMPARE(edit->toPlainText(), QStringLiteral("1234\n5678"));
    }

    void helpButtonsShowTheirTexts_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("special shapes") << 0 << "说明"
                                        << "【上山】如1234、1122、1113等号码，千≤百≤十≤个，但千<个";
        QTest::newRow("special exclusions") << 1 << "说明"
                                            << "【豹子】指0000、1111、2222、......9999这十个数字";
        QTest::newRow("dan codes") << 2 << "胆码说明"
                                   << "胆码说明：";
    }
    void helpButtonsShowTheirTexts()
    {
        QFETCH(int, index);
        QFETCH(QString, title);
        QFETCH(QString, firstLine);
        auto w = makeWindow();
        const MessageBoxSeen seen =
            answerMessageBoxes([&] { button(w.get(), arrayName("C_teshu_sm", index))->click(); });
        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.title, title);
        QCOMPARE(seen.text.split(QLatin1Char('\n')).first(), firstLine);
    }

    // A count the help states is what ticking the box removes (直选), with the group forms
    // (组选) named as such.
    void helpCountsAreTheEngines()
    {
        const int runsOfThree = specialExclusionSet(3).count();
        QVERIFY(texts::kSpecialExclusionHelp.contains(QStringLiteral("【三连】")));
        QVERIFY(texts::kSpecialExclusionHelp.contains(QStringLiteral("共%1注（组选").arg(runsOfThree)));
        QCOMPARE(specialExclusionSet(0).count(), 10); // "这十个数字"
    }

    // In the palette's highlight, whatever the palette: a fixed red breaks a dark desktop.
    void helpButtonTakesTheHighlightUnderTheMouse()
    {
        auto w = makeWindow();
        QAbstractButton* help = button(w.get(), arrayName("C_teshu_sm", 1));
        QAbstractButton* other = button(w.get(), arrayName("C_teshu_sm", 0));
        for (QWidget* top : QApplication::topLevelWidgets()) // nothing else under the pointer
            top->hide();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        // On a small screen the conditions scroll; bring the button into view.
        auto* area = control<QScrollArea>(w.get(), QStringLiteral("conditionScroll"));
        area->ensureWidgetVisible(help);
        // A full click first: an earlier test's double-click leaves the pointer's state behind.
        QTest::mouseClick(area->widget(), Qt::LeftButton, {}, QPoint(1, 1));
        const QColor idle = paintedColor(help);
        QTest::mouseMove(help);
        QTRY_COMPARE(paintedColor(help), help->palette().color(QPalette::Highlight));
        QCOMPARE(paintedColor(other), idle);
        QTest::mouseMove(area->widget(), QPoint(1, 1));
        QTRY_COMPARE(paintedColor(help), idle);
    }
};

SHRINK4_REGISTER_GUI_TEST(MainWindowConditionsTest)
#include "MainWindowConditionsTest.moc"
