// The result belongs to the conditions it was run with: a change marks it, a sweeping
// change empties it (with a way back), copying runs again first, unsaved conditions are
// never replaced without a question, and the last result and its failures to be kept
// are shown.
#include "MainWindowTestSupport.h"

#include "ui/application/Settings.h"

#include "scheme/SchemeFile.h"
#include "ui/application/SchemeFileAccess.h"
#include "ui/application/SessionFile.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QDir>

using namespace shrink4;
using namespace shrink4::test;

namespace {

const QString kState = QStringLiteral("L_result_state");

void run(MainWindow* w)
{
    button(w, QStringLiteral("C_guolv_ks"))->click();
}

QString writeScheme(const QTemporaryDir& dir, const char* name, const std::string& basePool)
{
    ConditionInputs inputs;
    inputs.basePool = basePool;
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(serializeScheme(inputs)) < 0)
        qFatal("cannot write a scheme");
    return path;
}

// Answers the question a handler asks with `answer`; returns what was asked.
QString answerQuestion(const std::function<void()>& action, QMessageBox::StandardButton answer)
{
    QString asked;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            asked = box->text();
            box->button(answer)->click();
        }
    });
    poll.start();
    action();
    return asked;
}

} // namespace

class MainWindowResultStateTest : public QObject {
    Q_OBJECT
private slots:
    void aChangedConditionMarksTheResultUntilItIsTakenBack()
    {
        auto w = makeWindow();
        run(w.get());
        QVERIFY(!control<QLabel>(w.get(), kState)->isVisibleTo(w.get()));
        setPlainText(w.get(), QStringLiteral("T_dadi_nb"), QStringLiteral("1234"));
        QVERIFY(labelText(w.get(), kState).startsWith(QStringLiteral("条件已改动")));
        QVERIFY(control<QLabel>(w.get(), QStringLiteral("dadi_zhushu"))->property("stale").toBool());

        // A prize check against it says whose list it searched.
        control<LineBox>(w.get(), QStringLiteral("T_duijiang"))->setText(QStringLiteral("1235"));
        QVERIFY(labelText(w.get(), QStringLiteral("L_duijiang_why")).startsWith(QStringLiteral("按上次")));
        control<LineBox>(w.get(), QStringLiteral("T_duijiang"))->clear();

        // Typing the change away clears the mark once the typing pauses.
        setPlainText(w.get(), QStringLiteral("T_dadi_nb"), QString());
        QTRY_VERIFY(!control<QLabel>(w.get(), kState)->isVisibleTo(w.get()));
    }

    void copyingAStaleResultRunsTheConditionsOnScreen()
    {
        auto w = makeWindow();
        run(w.get());
        QCOMPARE(labelText(w.get(), QStringLiteral("dadi_zhushu")), QStringLiteral("10000"));
        setPlainText(w.get(), QStringLiteral("T_dadi_nb"), QStringLiteral("1234 5678"));
        button(w.get(), QStringLiteral("C_copy"))->click();
        QCOMPARE(labelText(w.get(), QStringLiteral("dadi_zhushu")), QStringLiteral("2"));
        QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral("5678")));
        QVERIFY(!control<QLabel>(w.get(), kState)->isVisibleTo(w.get()));
    }

    void openingAndNewSchemesEmptyTheListAndAskBeforeDroppingEdits()
    {
        QTemporaryDir dir;
        const QString first = writeScheme(dir, "first.json", "1234");
        const QString second = writeScheme(dir, "second.json", "5678");
        auto w = makeWindow();
        QVERIFY(w->openScheme(first));
        run(w.get());
        QCOMPARE(listItems(w.get()).size(), 1);

        QVERIFY(w->openScheme(second));
        QVERIFY(listItems(w.get()).isEmpty());
        button(w.get(), QStringLiteral("C_undo_notice"))->click(); // back to the first with its list
        QCOMPARE(w->currentScheme(), first);
        QCOMPARE(listItems(w.get()).size(), 1);
        QVERIFY(!w->isWindowModified());

        // An edit not saved: 新建方案 asks; 取消 keeps everything, 不保存 goes ahead.
        setPlainText(w.get(), QStringLiteral("T_dadi_nb"), QStringLiteral("1111"));
        QTRY_VERIFY(w->isWindowModified());
        QAction* blank = w->findChild<QAction*>(QStringLiteral("action_new_scheme"));
        QVERIFY(answerQuestion([&] { blank->trigger(); }, QMessageBox::Cancel).contains(QStringLiteral("未保存")));
        QCOMPARE(w->conditions().basePool, "1111");
        QCOMPARE(w->currentScheme(), first);
        answerQuestion([&] { blank->trigger(); }, QMessageBox::Discard);
        QCOMPARE(w->conditions(), ConditionInputs());
        QVERIFY(w->currentScheme().isEmpty());
        QVERIFY(listItems(w.get()).isEmpty());
        QVERIFY(!w->isWindowModified());
    }

    // The kept conditions start clean, the last result comes back marked as restored.
    void theLastResultComesBackWithItsTime()
    {
        QTemporaryDir dir;
        const QString session = dir.filePath(QStringLiteral("session.json"));
        {
            auto first = makeWindow();
            first->setSessionFile(session);
            setPlainText(first.get(), QStringLiteral("T_dadi_nb"), QStringLiteral("1234 5678 9012"));
            run(first.get());
            QVERIFY(first->close());
        }
        auto again = makeWindow();
        again->setSessionFile(session);
        QVERIFY(!again->isWindowModified());
        QCOMPARE(labelText(again.get(), QStringLiteral("dadi_zhushu")), QStringLiteral("3"));
        QVERIFY(labelText(again.get(), kState).startsWith(QStringLiteral("上次结果，缩水于")));
    }

    // A session that cannot be written is said in the window, once, with the path.
    void aSessionThatCannotBeKeptIsSaid()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("data")));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
        blocker.close();
        const QString session = dir.filePath(QStringLiteral("data/session.json"));
        auto w = makeWindow();
        w->setSessionFile(session);
        w->show();
        const MessageBoxSeen seen = answerMessageBoxes([&] {
            run(w.get());
            QTest::qWait(100);
            run(w.get());
            QTest::qWait(100);
        });
        QCOMPARE(seen.count, 1);
        QVERIFY2(seen.text.contains(QDir::toNativeSeparators(session)), qPrintable(seen.text));

        // Closing asks one question, not a warning stacked over it.
        auto closing = makeWindow();
        closing->setSessionFile(dir.filePath(QStringLiteral("data/other.json")));
        closing->show();
        const MessageBoxSeen asked = answerMessageBoxes([&] {
            closing->close();
            QTest::qWait(200);
        });
        QCOMPARE(asked.count, 1);
        QVERIFY2(asked.text.contains(QStringLiteral("关闭后")), qPrintable(asked.text));

        // One over the size limit is set aside like any unreadable one, not overwritten.
        const QString huge = dir.filePath(QStringLiteral("huge.json"));
        QFile sparse(huge);
        QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(kMaxSchemeBytes + 1));
        sparse.close();
        QVERIFY(loadSession(huge).problem.contains(QStringLiteral(".bad")));
        QVERIFY(QFile::exists(huge + QStringLiteral(".bad")) && !QFile::exists(huge));

        // So is an oversized settings file, before a start reads it.
        const QString settings = Settings().fileName();
        QVERIFY(QDir().mkpath(QFileInfo(settings).absolutePath()));
        QFile big(settings);
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(kMaxSettingsBytes + 1));
        big.close();
        QVERIFY(setAsideOversizedSettings().contains(QStringLiteral(".bad")));
        QVERIFY(!QFile::exists(settings) && QFile::exists(settings + QStringLiteral(".bad")));
        QVERIFY(setAsideOversizedSettings().isEmpty());
        QFile::remove(settings + QStringLiteral(".bad"));
    }
};

SHRINK4_REGISTER_GUI_TEST(MainWindowResultStateTest)
#include "MainWindowResultStateTest.moc"
