// Taking conditions and results out of the window: copying to the clipboard, and saving
// and opening schemes.

#include "MainWindowTestSupport.h"

#include "conditions/ConditionTable.h"
#include "scheme/SchemeFile.h"
#include "ui/application/SessionFile.h"
#include "ui/widgets/QtText.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDialog>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <set>
#include <vector>

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

struct BrokenScheme {
    const char* name;
    QByteArray bytes;
    QString mentions;
};

QByteArray withControls(const char* controls)
{
    return QByteArray(R"({"shrink4-scheme": 1, "controls": {)") + controls + "}}";
}

// One file for each fault the reader finds in a file's content, and what the window says.
std::vector<BrokenScheme> brokenSchemes()
{
    return {
        {"empty", " \n", QStringLiteral("文件是空的")},
        {"UTF-16", QByteArray("\xFF\xFE{\0}\0", 6), QStringLiteral("另存为")},
        {"not UTF-8", withControls("\n\"T_dadi_nb\": \"\xFF\""), QStringLiteral("第 2 行第 15 个字")},
        {"not JSON", "{ not json", QStringLiteral("第 1 行")},
        {"not an object", "[1, 2]", QStringLiteral("不是方案文件")},
        {"repeated key", withControls(R"("T_dadi_nb": "1", "T_dadi_nb": "2")"), QStringLiteral("大底写了两次")},
        {"unknown key", withControls(R"("T_nothing": "")"), QStringLiteral("不认识的条件")},
        {"wrong version", R"({"shrink4-scheme": 2, "controls": {}})", QStringLiteral("版本号")},
        {"controls no object", R"({"shrink4-scheme": 1, "controls": []})", QStringLiteral("条件部分")},
        {"wrong type", withControls(R"("T_main_sha_2ma": 5)"), QStringLiteral("杀两码组合应为")},
        {"bound of wrong type", withControls(R"("T_zong_rc": ["0", 1])"), QStringLiteral("过滤条件总容错的上限")},
        {"wrong length", withControls(R"("Check_ac_sha": [1])"), QStringLiteral("杀AC值应有 6 个勾选值")},
        {"no check value", withControls(R"("Check_tsm_sha": [0,0,0,0,0,0,0,0.5,0,0])"), QStringLiteral("通杀码“7”")},
        {"check value out of range",
         withControls(R"("Check_hewei_sha1": [0,0,0,0,0,0,0,0,0,0, 0,0,0,0,0,0,0,3,0,0,)"
                      R"( 0,0,0,0,0,0,0,0,0,0, 0,0,0,0,0,0,0,0,0,0])"),
         QStringLiteral("定位杀百位“7”的勾选值 3")},
        {"no boolean",
         withControls(R"("C_danzu_gs": [false,false,false,false,false, false,false,0,false,false,)"
                      R"( false,false,false,false,false, false,false,false,false,false])"),
         QStringLiteral("胆码开出个数第 2 组“2”")},
    };
}

// Chinese throughout: no control key, no English word. What may hold Latin letters is
// the file's path and the captions themselves (杀AC值, N型), and the encoding to save in.
void checkWordedForPeople(const QString& text, const QString& path, const QString& mentions)
{
    QVERIFY2(text.contains(mentions), qPrintable(text));
    QString rest = text;
    for (const QString& file : {path + QStringLiteral(".bad"), path})
        rest.remove(QDir::toNativeSeparators(file)).remove(file);
    rest.remove(QRegularExpression(QStringLiteral("UTF-(8|16)")));
    for (const ControlMeta& c : kControlMetas) {
        QVERIFY2(!text.contains(keyString(c.key)), qPrintable(text));
        rest.remove(toQString(c.caption));
        for (const std::string_view item : c.items)
            rest.remove(toQString(item));
    }
    QVERIFY2(!rest.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))), qPrintable(text));
    QVERIFY2(!text.contains(QStringLiteral("字节")), qPrintable(text));
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

    // Every kind of fault the reader finds in a file, opened as a scheme and met as the kept
    // session: the message names the condition by its caption and a place by line and
    // character, and shows none of the file's inner names.
    void brokenSchemeShowsItsErrorAndChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("mentions");
        for (const BrokenScheme& b : brokenSchemes())
            QTest::newRow(b.name) << b.bytes << b.mentions;
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
        QCOMPARE(w->conditions(), before);
        checkWordedForPeople(seen.text, path, mentions);
        const QString session = writeFile(dir, "session.json", bytes);
        checkWordedForPeople(loadSession(session).problem, session, mentions);
    }
    void theBrokenSchemesCoverEveryFault()
    {
        std::set<SchemeErrorKind> covered;
        for (const BrokenScheme& b : brokenSchemes())
            covered.insert(parseScheme(b.bytes).fault.kind);
        for (int k = int(SchemeErrorKind::Empty); k <= int(SchemeErrorKind::NotBool); ++k)
            QVERIFY2(covered.count(SchemeErrorKind(k)), qPrintable(QString::number(k)));
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
