// The program's own start-up, in a home folder of its own with nothing redirected: where
// its settings and data land, Qt's texts, and what a second start puts back of the first.

#include "app/gui/StartUp.h"
#include "ui/main/MainWindow.h"
#include "ui/main/PagedConditions.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace shrink4;

namespace {

QTemporaryDir* home = nullptr;

QString inHome(const QString& path)
{
    return home->filePath(path);
}

QLabel* startHint(MainWindow& w)
{
    return w.findChild<QLabel*>(QStringLiteral("L_start_hint"));
}

} // namespace

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void namesTextsAndWhatACloseKeeps()
    {
        auto w = startMainWindow({QStringLiteral("shrink4")});
        QVERIFY(QTest::qWaitForWindowActive(w.get()));

        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));

        // Typed where the focus starts, as a player would.
        QWidget* first = QApplication::focusWidget();
        QVERIFY(first);
        QCOMPARE(first->objectName(), QStringLiteral("T_main_shazhixuan"));
        QVERIFY(startHint(*w)->isVisible()); // nothing kept yet: a first start
        QTest::keyClicks(first, QStringLiteral("1234"));
        w->pages().setCurrentIndex(2);
        QVERIFY(w->close());
        QVERIFY(QFile::exists(inHome(QStringLiteral("config/shrink4/shrink4.conf"))));
        w.reset(); // a closed window lets go of the data folder only once it is gone

        w = startMainWindow({QStringLiteral("shrink4")});
        QVERIFY(w);
        QCOMPARE(w->conditions().straightKills, std::string("1234"));
        QCOMPARE(w->pages().currentIndex(), 2);
        QVERIFY(w->close());

        QDirIterator all(home->path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
        while (all.hasNext())
            QVERIFY2(!all.next().contains(QLatin1String("Unknown Organization")), qPrintable(all.filePath()));
    }

    // The first start's word stays until a run is made, then never shows again.
    void theStartHintGoesAfterTheFirstRun()
    {
        auto w = startMainWindow({QStringLiteral("shrink4")});
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QVERIFY(startHint(*w)->isVisible()); // no run yet at the starts before
        QVERIFY(startHint(*w)->text().contains(QStringLiteral("F5")));
        QTest::keyClick(w.get(), Qt::Key_F5);
        QTRY_VERIFY(startHint(*w)->isHidden());
        QVERIFY(w->close());
        w.reset();

        w = startMainWindow({QStringLiteral("shrink4")});
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QVERIFY(startHint(*w)->isHidden());
        QVERIFY(w->close());
    }

    // A path relative to the folder it was started in is still the current scheme when the
    // program is next started from elsewhere.
    void schemeOnTheCommandLineStaysCurrent()
    {
        const QString folder = inHome(QStringLiteral("schemes"));
        QVERIFY(QDir().mkpath(folder));
        QFile scheme(folder + QStringLiteral("/mine.json"));
        QVERIFY(scheme.open(QIODevice::WriteOnly));
        scheme.write(R"({"shrink4-scheme": 1, "controls": {"T_main_sha_2ma": "56"}})");
        scheme.close();

        const QString startedIn = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder));
        auto w = startMainWindow({QStringLiteral("shrink4"), QStringLiteral("mine.json")});
        QTRY_COMPARE(w->currentScheme(), scheme.fileName());
        QCOMPARE(w->conditions().killTwoCodes, std::string("56"));
        QVERIFY(w->close());

        w.reset();
        QVERIFY(QDir::setCurrent(home->path()));
        w = startMainWindow({QStringLiteral("shrink4")});
        QVERIFY(w);
        QDir::setCurrent(startedIn);
        QCOMPARE(w->currentScheme(), scheme.fileName());
        QVERIFY(w->windowTitle().startsWith(QLatin1String("mine.json[*] - ")));
        QVERIFY(w->close());
    }
};

int main(int argc, char* argv[])
{
    // A fresh home before Qt reads any of it: the real names, the real folders, no one's
    // own settings touched.
    QTemporaryDir folder;
    if (!folder.isValid())
        qFatal("no temporary home folder");
    home = &folder;
    qputenv("HOME", folder.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", inHome(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", inHome(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", inHome(QStringLiteral("cache")).toLocal8Bit());
    QApplication app(argc, argv);
    StartUpTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "StartUpTest.moc"
