// What a new player types, replayed with real keys and clicks: each gives the right
// answer or a note that says how it was read.

#include "MainWindowTestSupport.h"

#include "ui/main/PagedConditions.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>

#include <functional>

using namespace shrink4;
using namespace shrink4::test;

namespace {

TextBox* box(MainWindow& w, const char* name)
{
    return control<TextBox>(&w, QString::fromLatin1(name));
}

// Clicks into a box at its top left, as a player does.
void clickInto(MainWindow& w, const char* name)
{
    QTest::mouseClick(box(w, name)->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
}

void pasteInto(MainWindow& w, const char* name, const QString& text)
{
    QApplication::clipboard()->setText(text);
    clickInto(w, name);
    QTest::keyClick(box(w, name), Qt::Key_V, Qt::ControlModifier);
}

// Key presses carrying each character, as an input method in full-width mode sends them.
void typeInto(MainWindow& w, const char* name, const QString& text)
{
    clickInto(w, name);
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box(w, name), Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Every note, as the line's tooltip lists them (the line itself may end in "…").
QString notesOf(MainWindow& w)
{
    return control<QLabel>(&w, QStringLiteral("L_notes"))->toolTip();
}

void pressStart(MainWindow& w)
{
    QTest::keyClick(&w, Qt::Key_F5);
}

struct Replay {
    const char* name;
    std::function<void(MainWindow&)> steps;
    const char* count; // what the count label shows afterwards
    const char* notes; // words the note line must hold, or empty for no note
};

} // namespace

class MainWindowInputTest : public QObject {
    Q_OBJECT
private slots:
    void typedInputGivesTheRightAnswerOrANote()
    {
        const Replay replays[] = {
            {"enter then paste into the pool",
             [](MainWindow& w) {
                 clickInto(w, "T_dadi_nb");
                 QTest::keyClick(box(w, "T_dadi_nb"), Qt::Key_Return);
                 pasteInto(w, "T_dadi_nb", QStringLiteral("1111 2222 3333 4444"));
             },
             "4", ""},
            {"a pool of one line break",
             [](MainWindow& w) {
                 QTest::mouseDClick(box(w, "T_dadi_nb")->viewport(), Qt::LeftButton);
                 QTest::keyClick(box(w, "T_dadi_nb"), Qt::Key_Return);
             },
             "10000", ""},
            {"a pool without a four-digit number",
             [](MainWindow& w) { typeInto(w, "T_dadi_nb", QStringLiteral("123")); }, "0", "没有四位数"},
            {"full-width digits typed",
             [](MainWindow& w) { typeInto(w, "T_dadi_nb", QStringLiteral("０００１ ２２２２")); }, "2", ""},
            {"straight kill with a word of its help text",
             [](MainWindow& w) { pasteInto(w, "T_main_shazhixuan", QStringLiteral("不要 1234")); }, "9999", ""},
            {"positional items with a comma",
             [](MainWindow& w) {
                 w.pages().showPage(4);
                 typeInto(w, "T_main_dw_sha", QStringLiteral("45**,58*9"));
             },
             "10000", "不是四位"},
            {"one digit in the must list",
             [](MainWindow& w) {
                 w.pages().showPage(2);
                 typeInto(w, "T_main_bichu_2ma", QStringLiteral("1"));
             },
             "0", "不足两位"},
            {"tolerance the wrong way round",
             [](MainWindow& w) {
                 QTest::mouseClick(control<QWidget>(&w, QStringLiteral("Check_tsm_sha(7)")), Qt::LeftButton);
                 auto* lower = control<LineBox>(&w, QStringLiteral("T_zong_rc(0)"));
                 QTest::mouseDClick(lower->viewport(), Qt::LeftButton);
                 QTest::keyClicks(lower, QStringLiteral("2"));
                 auto* upper = control<LineBox>(&w, QStringLiteral("T_zong_rc(1)"));
                 QTest::mouseDClick(upper->viewport(), Qt::LeftButton);
                 QTest::keyClicks(upper, QStringLiteral("1"));
             },
             "0", "下限大于上限"},
        };
        for (const Replay& r : replays) {
            auto w = makeWindow();
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w.get()));
            r.steps(*w);
            pressStart(*w);
            QVERIFY2(labelText(w.get(), QStringLiteral("dadi_zhushu")) == QLatin1String(r.count), r.name);
            const QString notes = notesOf(*w);
            if (*r.notes)
                QVERIFY2(notes.contains(QString::fromUtf8(r.notes)),
                         qPrintable(QString::fromUtf8(r.name) + u' ' + notes));
            if (QStringLiteral("0") == QLatin1String(r.count))
                QVERIFY2(notes.startsWith(QStringLiteral("没有符合条件的号码")), r.name); // an empty result says why
            if (!*r.notes && QStringLiteral("0") != QLatin1String(r.count))
                QVERIFY2(notes.isEmpty(), qPrintable(QString::fromUtf8(r.name) + u' ' + notes));
        }
    }

    void notesFollowTypingWithoutARun()
    {
        auto w = makeWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        auto* sum = control<LineBox>(w.get(), QStringLiteral("T_sha_hezhi"));
        QTest::mouseClick(sum->viewport(), Qt::LeftButton);
        QTest::keyClicks(sum, QStringLiteral("5"));
        QTRY_VERIFY(notesOf(*w).contains(QStringLiteral("一位数")));
        QTest::keyClicks(sum, QStringLiteral("6"));
        QTRY_VERIFY(notesOf(*w).isEmpty());
    }

    void typingGoesOnAfterF5()
    {
        auto w = makeWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        typeInto(*w, "T_dadi_nb", QStringLiteral("1111"));
        pressStart(*w);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral(" 2222"));
        QCOMPARE(box(*w, "T_dadi_nb")->toPlainText(), QStringLiteral("1111 2222"));
    }

    // Ctrl+C in the result list copies every selected line, not only the current one.
    void copyingSeveralResultLines()
    {
        auto w = makeWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        typeInto(*w, "T_dadi_nb", QStringLiteral("0001 0002 0003 0004 0005"));
        pressStart(*w);
        auto* list = control<QListWidget>(w.get(), QStringLiteral("Li_out"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          list->visualItemRect(list->item(2)).center());
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = listItems(w.get());
        QCOMPARE(QApplication::clipboard()->text(), lines.mid(0, 3).join(QStringLiteral("\r\n")));
    }

    void prizeEntryPastedWithABreakIsTrimmed()
    {
        auto w = makeWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        pressStart(*w);
        auto* prize = control<LineBox>(w.get(), QStringLiteral("T_duijiang"));
        QApplication::clipboard()->setText(QStringLiteral("0001\n\t"));
        QTest::mouseClick(prize->viewport(), Qt::LeftButton);
        QTest::keyClick(prize, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(labelText(w.get(), QStringLiteral("L_duijiang_news")), QStringLiteral("【恭喜中奖】"));
    }
};

SHRINK4_REGISTER_GUI_TEST(MainWindowInputTest)
#include "MainWindowInputTest.moc"
