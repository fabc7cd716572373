// Nothing the player set up is lost by accident: clearing all conditions can be taken
// back from the notice it shows, and the conditions outlive the window.

#include "MainWindowTestSupport.h"

#include "conditions/ConditionTable.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace shrink4;
using namespace shrink4::test;

namespace {

ConditionInputs someConditions()
{
    ConditionInputs in;
    in.basePool = "1234 5678\r\n9012";
    in.killTwoCodes = "12 34";
    in.sumValues = "05.08";
    in.spans[3] = 1;
    in.acValues[0] = 1;
    return in;
}

enum class AfterClear { Undo, Type };

} // namespace

Q_DECLARE_METATYPE(AfterClear)

class MainWindowKeepTest : public QObject {
    Q_OBJECT
private slots:
    void clearAllOffersUndoUntilTheNextChange_data()
    {
        QTest::addColumn<AfterClear>("after");
        QTest::newRow("undo brings every condition back") << AfterClear::Undo;
        QTest::newRow("an edit withdraws the offer") << AfterClear::Type;
    }

    void clearAllOffersUndoUntilTheNextChange()
    {
        QFETCH(AfterClear, after);
        auto w = makeWindow();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->setConditions(someConditions());
        auto* notice = control<QWidget>(w.get(), QStringLiteral("undo_notice"));
        QVERIFY(!notice->isVisible());

        QTest::mouseClick(button(w.get(), QStringLiteral("C_all_cls")), Qt::LeftButton);
        QVERIFY(notice->isVisible());
        QVERIFY(notice->findChild<QLabel*>()->text().contains(QStringLiteral("已清空所有条件")));
        const ConditionInputs cleared = w->conditions();
        QVERIFY(cleared != someConditions());

        if (after == AfterClear::Undo) {
            QTest::mouseClick(button(w.get(), QStringLiteral("C_undo_notice")), Qt::LeftButton);
            QCOMPARE(w->conditions(), someConditions());
        } else {
            auto* sum = control<LineBox>(w.get(), QStringLiteral("T_sha_hezhi"));
            sum->setFocus();
            QTest::keyClick(sum, Qt::Key_End);
            QTest::keyClick(sum, Qt::Key_7);
            QCOMPARE(w->conditions().sumValues, cleared.sumValues + "7");
        }
        QVERIFY(!notice->isVisible());
    }

    // Closing keeps the conditions, a run keeps them too (in case of a crash after it),
    // and the next window starts from them; a corrupt file is put aside, not trusted.
    void conditionsOutliveTheWindow()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("data/session.json"));
        const ConditionInputs fresh = makeWindow()->conditions();
        {
            auto first = makeWindow();
            first->setSessionFile(path); // nothing kept yet: no complaint, nothing changes
            QCOMPARE(first->conditions(), fresh);
            first->setConditions(someConditions());
            QVERIFY(first->close());
        }
        QVERIFY(QFile::exists(path));

        auto second = makeWindow();
        second->setSessionFile(path);
        QCOMPARE(second->conditions(), someConditions());
        setPlainText(second.get(), QStringLiteral("T_dadi_nb"), QStringLiteral("4321"));
        button(second.get(), QStringLiteral("C_guolv_ks"))->click();
        auto third = makeWindow(); // while the second is still open
        third->setSessionFile(path);
        QCOMPARE(third->conditions(), second->conditions());
        QCOMPARE(third->conditions().basePool, "4321");

        QFile broken(path);
        QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
        broken.write("{\"shrink4-scheme\": 1, \"controls\": ");
        broken.close();
        auto fourth = makeWindow();
        fourth->show();
        const MessageBoxSeen seen = answerMessageBoxes([&] {
            fourth->setSessionFile(path);
            QTest::qWait(100); // the warning is posted, to open over a painted window
        });
        QVERIFY2(seen.text.contains(QStringLiteral("session.json.bad")), qPrintable(seen.text)); // said in the window
        QCOMPARE(fourth->conditions(), fresh);
        QVERIFY(QFile::exists(path + QStringLiteral(".bad")));
        QVERIFY(!QFile::exists(path));
    }
};

SHRINK4_REGISTER_GUI_TEST(MainWindowKeepTest)
#include "MainWindowKeepTest.moc"
