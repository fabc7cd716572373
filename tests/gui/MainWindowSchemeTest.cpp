// Taking conditions and results out of the window: copying to the clipboard, and saving
// and opening schemes.

#include "MainWindowTestSupport.h"

#include "conditions/ConditionTable.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

using namespace shrink4;
using namespace shrink4::test;

namespace {

// Distinct values for every control, line breaks and greyed boxes included.
ConditionInputs variedInputs()
{
    ConditionInputs in;
    int n = 0;
    forEachControl(in, [&n](const ControlMeta& control, auto& value) {
        using T = std::decay_t<decltype(value)>;
        ++n;
        if constexpr (std::is_same_v<T, std::string>) {
            value = std::string(control.key) + "\r\n12 34 " + std::to_string(n);
        } else if constexpr (std::is_same_v<T, int>) {
            value = 1;
        } else {
            int i = 0;
            for (auto& element : value) {
                using E = std::decay_t<decltype(element)>;
                if constexpr (std::is_same_v<E, std::string>)
                    element = std::to_string(n + i);
                else if constexpr (std::is_same_v<E, int>)
                    element = (n + i) % 3;
                else
                    element = (n + i) % 2 == 0;
                ++i;
            }
        }
    });
    // A single-line box keeps a single line.
    in.sumValues = "05.08.16";
    return in;
}

QString writeFile(const QTemporaryDir& dir, const char* name, const QByteArray& bytes)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    f.write(bytes);
    return path;
}

} // namespace

class MainWindowSchemeTest : public QObject {
    Q_OBJECT
private slots:
    void copyPutsTheResultOnTheClipboardAndConfirms()
    {
        auto w = makeWindow();
        setPlainText(w.get(), QStringLiteral("T_dadi_nb"), QStringLiteral("0001 0002 0003"));
        button(w.get(), QStringLiteral("C_guolv_ks"))->click();
        control<LineBox>(w.get(), QStringLiteral("T_duijiang"))->setText(QStringLiteral("0002"));
        QCOMPARE(labelText(w.get(), QStringLiteral("L_duijiang_news")), QStringLiteral("【恭喜中奖】"));

        // The notice shows without blocking or taking the focus: the click returns at once,
        // and the notice goes by itself.
        button(w.get(), QStringLiteral("C_copy"))->click();
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QLabel* notice = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("Fts") && top->isVisible())
                notice = qobject_cast<QLabel*>(top);
        QVERIFY(notice);
        QCOMPARE(notice->text(), QStringLiteral("复制成功！"));
        QVERIFY(!notice->isActiveWindow());
        QPointer<QLabel> watched(notice);
        QTRY_VERIFY_WITH_TIMEOUT(watched.isNull(), 3000);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("0001  0002  0003  "));
        // Copying takes nothing away: the drawn number and its verdict stay.
        QCOMPARE(control<LineBox>(w.get(), QStringLiteral("T_duijiang"))->text(), QStringLiteral("0002"));
        QCOMPARE(labelText(w.get(), QStringLiteral("L_duijiang_news")), QStringLiteral("【恭喜中奖】"));

        button(w.get(), QStringLiteral("C_copy"))->click();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("0001  0002  0003  "));
    }

    void copyBeforeAnyRunLeavesTheClipboard()
    {
        auto w = makeWindow();
        QApplication::clipboard()->setText(QStringLiteral("old"));
        const MessageBoxSeen seen = answerMessageBoxes([&] { button(w.get(), QStringLiteral("C_copy"))->click(); });
        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.text, QStringLiteral("没有可复制的号码"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("old"));
    }

    void savedSchemeReopensToTheSameConditions()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("scheme.json"));
        const ConditionInputs varied = variedInputs();
        {
            auto w = makeWindow();
            w->setConditions(varied);
            QCOMPARE(w->conditions(), varied);
            QVERIFY(w->saveScheme(path));
        }
        auto w = makeWindow();
        QVERIFY(w->openScheme(path));
        QCOMPARE(w->conditions(), varied);
        QVERIFY(w->windowTitle().contains(QLatin1String("scheme.json")));
    }

    void longSingleLineTextsReachTheConditionsWhole()
    {
        // Line edits cut at 32,767 characters unless told otherwise.
        ConditionInputs long_;
        long_.sumValues = std::string(40000, '1') + "05";
        long_.totalTolerance[1] = std::string(40000, ' ') + "1";
        auto w = makeWindow();
        w->setConditions(long_);
        QCOMPARE(w->conditions(), long_);
    }

    void schemeNamingFewControlsLeavesTheRestAtStartUp()
    {
        QTemporaryDir dir;
        const QString path = writeFile(
            dir, "few.json",
            R"({"shrink4-scheme": 1, "controls": {"T_main_sha_2ma": "12 34", "Check_tsm_sha": [0,0,0,0,0,0,0,1,0,0]}})");
        auto w = makeWindow();
        w->setConditions(variedInputs());
        QVERIFY(w->openScheme(path));
        ConditionInputs expected;
        expected.killTwoCodes = "12 34";
        expected.universalDigits[7] = 1;
        QCOMPARE(w->conditions(), expected);
    }

    void brokenSchemeShowsItsErrorAndChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("wrong type") << QByteArray(R"({"shrink4-scheme": 1, "controls": {"T_main_sha_2ma": 5}})")
                                    << "T_main_sha_2ma";
        QTest::newRow("wrong length") << QByteArray(R"({"shrink4-scheme": 1, "controls": {"Check_ac_sha": [1]}})")
                                      << "Check_ac_sha";
        QTest::newRow("unknown key") << QByteArray(R"({"shrink4-scheme": 1, "controls": {"T_nothing": ""}})")
                                     << "T_nothing";
        QTest::newRow("not JSON") << QByteArray("{ not json") << "";
    }
    void brokenSchemeShowsItsErrorAndChangesNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, mentions);
        QTemporaryDir dir;
        const QString path = writeFile(dir, "broken.json", bytes);
        auto w = makeWindow();
        const ConditionInputs before = variedInputs();
        w->setConditions(before);
        bool opened = true;
        const MessageBoxSeen seen = answerMessageBoxes([&] { opened = w->openScheme(path); });
        QVERIFY(!opened);
        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.title, QStringLiteral("打开方案"));
        QVERIFY(seen.text.contains(mentions));
        QCOMPARE(w->conditions(), before);
    }

    void missingSchemeFileIsReported()
    {
        auto w = makeWindow();
        const MessageBoxSeen seen =
            answerMessageBoxes([&] { QVERIFY(!w->openScheme(QStringLiteral("/nonexistent/none.json"))); });
        QCOMPARE(seen.count, 1);
        QCOMPARE(w->conditions(), ConditionInputs{});
    }
};

SHRINK4_REGISTER_GUI_TEST(MainWindowSchemeTest)
#include "MainWindowSchemeTest.moc"
