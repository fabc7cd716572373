// 帮助 → 关于, opened from the keyboard as a player would: it names the version, the
// licence and the folders where the data and the settings really are.

#include "MainWindowTestSupport.h"

#include "Shrink4Version.h"
#include "ui/application/DataFolder.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

using namespace shrink4;
using namespace shrink4::test;

namespace {

struct DialogSeen {
    QString title;
    QStringList texts; // every label's text, rich text as written
    bool fitsItsLabels = true;
};

DialogSeen readAndClose(QDialog* dialog)
{
    DialogSeen seen{dialog->windowTitle(), {}, true};
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        seen.texts << label->text();
        seen.fitsItsLabels = seen.fitsItsLabels && label->width() >= label->minimumSizeHint().width();
    }
    QTest::keyClick(dialog, Qt::Key_Escape);
    return seen;
}

} // namespace

class MainWindowAboutTest : public QObject {
    Q_OBJECT

private slots:
    void aboutNamesVersionLicenceAndFolders()
    {
        auto window = makeWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));

        QTest::keyClick(window.get(), Qt::Key_H, Qt::AltModifier); // 帮助(&H)
        QMenu* menu = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())), 5000);

        // 关于 opens a modal dialog: read it from the timer while it runs.
        DialogSeen seen;
        bool opened = false;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()); dialog && !opened) {
                opened = true;
                seen = readAndClose(dialog);
            }
        });
        poll.start();
        QTest::keyClick(menu, Qt::Key_A); // 关于(&A)
        QTRY_VERIFY_WITH_TIMEOUT(opened, 5000);
        poll.stop();

        QCOMPARE(seen.title, QStringLiteral("关于四星缩水"));
        const QString all = seen.texts.join(QLatin1Char('\n'));
        const QStringList expected = {
            QLatin1String(kVersion),
            QStringLiteral("GPL-3.0-or-later"),
            QStringLiteral("GNU 通用公共许可证"),
            QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                                     + QStringLiteral("/shrink4")),
            QDir::toNativeSeparators(QSettings().fileName()),
        };
        for (const QString& text : expected)
            QVERIFY2(all.contains(text.toHtmlEscaped()), qPrintable(text + QStringLiteral(" not in:\n") + all));
        QVERIFY(seen.fitsItsLabels);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    // Earlier versions kept the draws one folder deeper than the session: the file is
    // moved up to the one data folder, never left behind or overwritten.
    void aFileKeptOneFolderDeeperIsMovedUp()
    {
        const QString deeper = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QVERIFY(QDir().mkpath(deeper));
        QFile earlier(deeper + QStringLiteral("/moved-test.txt"));
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("2024001 1234\n") > 0);
        earlier.close();
        const QString path = dataFile(QStringLiteral("moved-test.txt"));
        QCOMPARE(path, dataFolder() + QStringLiteral("/moved-test.txt"));
        QFile moved(path);
        QVERIFY(moved.open(QIODevice::ReadOnly));
        QCOMPARE(moved.readAll(), QByteArray("2024001 1234\n"));
        QVERIFY(!earlier.exists());
        QVERIFY(moved.remove());
    }
};

SHRINK4_REGISTER_GUI_TEST(MainWindowAboutTest)
#include "MainWindowAboutTest.moc"
