// Schemes that cannot be saved or are no scheme files at all: the window says why in
// Chinese and loses neither the file on disk nor the conditions on screen.

#include "TestFiles.h"
#include "FileSizeLimit.h"
#include "MainWindowTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/stat.h>

using namespace shrink4;
using namespace shrink4::test;

namespace {

ConditionInputs someConditions(const char* sums)
{
    ConditionInputs in;
    in.sumValues = sums;
    return in;
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

struct SaveDialogRun {
    bool askedToReplace = false;
};

// Triggers 方案另存为 and answers its dialog as a person would: types the name in folder
// and presses Return, then answers a question about replacing a file with `replace`.
SaveDialogRun saveThroughDialog(MainWindow* window, const QString& folder, const QString& typed, bool replace)
{
    SaveDialogRun run;
    QFileDialog* typedInto = nullptr;
    bool declined = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            run.askedToReplace = true;
            declined = !replace;
            box->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            if (dialog == typedInto) {
                if (declined)
                    dialog->reject(); // the player gives up after declining
                return;
            }
            typedInto = dialog;
            typeFileName(dialog, folder, typed);
        }
    });
    poll.start();
    window->findChild<QAction*>(QStringLiteral("action_save_scheme_as"))->trigger();
    poll.stop();
    return run;
}

} // namespace

class MainWindowFileSafetyTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

    void failedSaveKeepsTheOldFileAndWarns_data()
    {
        QTest::addColumn<int>("sizeLimit"); // -1: none
        QTest::addColumn<bool>("folderInTheWay");
        QTest::addColumn<QString>("reason");
        const QString full = QStringLiteral("磁盘已满或文件过大");
        QTest::newRow("nothing may be written") << 0 << false << full;
        QTest::newRow("a few bytes may be written") << 16 << false << full;
        QTest::newRow("most of it may be written") << 4000 << false << full;
        QTest::newRow("a folder in the file's place") << -1 << true << "同名的文件夹已存在";
    }
    void failedSaveKeepsTheOldFileAndWarns()
    {
        QFETCH(int, sizeLimit);
        QFETCH(bool, folderInTheWay);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("scheme.json"));
        auto w = makeWindow();
        if (folderInTheWay) {
            QVERIFY(QDir().mkdir(path));
        } else {
            w->setConditions(someConditions("01"));
            QVERIFY(w->saveScheme(path));
        }
        const QByteArray old = fileBytes(path);
        const QStringList before = entries(dir.path());
        w->setConditions(someConditions("02.03"));

        MessageBoxSeen seen;
        bool saved = true;
        {
            std::unique_ptr<FileSizeLimit> limit;
            if (sizeLimit >= 0)
                limit = std::make_unique<FileSizeLimit>(rlim_t(sizeLimit));
            QVERIFY(!limit || limit->active());
            seen = answerMessageBoxes([&] { saved = w->saveScheme(path); });
        }

        QVERIFY(!saved);
        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.icon, int(QMessageBox::Warning));
        QCOMPARE(seen.title, QStringLiteral("保存方案"));
        QCOMPARE(seen.text, QStringLiteral("保存失败：%1：%2").arg(QDir::toNativeSeparators(path), reason));
        QCOMPARE(fileBytes(path), old);
        QCOMPARE(entries(dir.path()), before);
        QCOMPARE(w->conditions(), someConditions("02.03"));
    }

    void openingWhatIsNoSchemeFileChangesNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("an endless device") << "/dev/zero"
                                           << "不是普通文件";
        QTest::newRow("a FIFO") << "fifo"
                                << "不是普通文件";
        QTest::newRow("a folder") << "folder"
                                  << "这是一个文件夹，不是方案文件";
        QTest::newRow("a file over 256 MB") << "huge"
                                            << "文件超过 256 MB，不是方案文件";
        QTest::newRow("a missing file") << "missing"
                                        << "文件不存在";
    }
    void openingWhatIsNoSchemeFileChangesNothing()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QString path = kind.startsWith(QLatin1Char('/')) ? kind : dir.filePath(kind);
        if (kind == QLatin1String("fifo"))
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(path));
        else if (kind == QLatin1String("huge")) {
            QFile huge(path);
            QVERIFY(huge.open(QIODevice::WriteOnly));
            QVERIFY(huge.resize(257LL * 1024 * 1024)); // sparse: no disk needed
        }

        auto w = makeWindow();
        w->setConditions(someConditions("07"));
        const QString title = w->windowTitle();
        bool opened = true;
        const MessageBoxSeen seen = answerMessageBoxes([&] { opened = w->openScheme(path); });

        QVERIFY(!opened);
        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.icon, int(QMessageBox::Warning));
        QCOMPARE(seen.text, QStringLiteral("读取失败：%1：%2").arg(QDir::toNativeSeparators(path), reason));
        QCOMPARE(w->conditions(), someConditions("07"));
        QCOMPARE(w->windowTitle(), title);
    }

    void savingUnderATypedNameAsksBeforeReplacing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("replace");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("written"); // the file holding the new conditions, if any
        QTest::newRow("no suffix, replacing declined") << "kept" << false << true << QString();
        QTest::newRow("no suffix, replacing accepted") << "kept" << true << true << "kept.json";
        QTest::newRow("with suffix, replacing declined") << "kept.json" << false << true << QString();
        QTest::newRow("a new name gets the suffix") << "fresh" << false << false << "fresh.json";
    }
    void savingUnderATypedNameAsksBeforeReplacing()
    {
        QFETCH(QString, typed);
        QFETCH(bool, replace);
        QFETCH(bool, asked);
        QFETCH(QString, written);
        QTemporaryDir dir;
        const QString kept = dir.filePath(QStringLiteral("kept.json"));
        auto w = makeWindow();
        w->setConditions(someConditions("01"));
        QVERIFY(w->saveScheme(kept));
        const QByteArray old = fileBytes(kept);
        w->setConditions(someConditions("02.03"));

        const SaveDialogRun run = saveThroughDialog(w.get(), dir.path(), typed, replace);

        QCOMPARE(run.askedToReplace, asked);
        QCOMPARE(fileBytes(kept) == old, written != QLatin1String("kept.json"));
        QStringList expected{QStringLiteral("kept.json")};
        if (!written.isEmpty() && !expected.contains(written))
            expected << written;
        expected.sort();
        QCOMPARE(entries(dir.path()), expected);
        if (!written.isEmpty()) {
            auto reopened = makeWindow();
            QVERIFY(reopened->openScheme(dir.filePath(written)));
            QCOMPARE(reopened->conditions(), someConditions("02.03"));
        }
    }
};

SHRINK4_REGISTER_GUI_TEST(MainWindowFileSafetyTest)
#include "MainWindowFileSafetyTest.moc"
