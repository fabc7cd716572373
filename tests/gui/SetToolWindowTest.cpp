#include "ui/main/MainWindow.h"
#include "ui/sets/SetToolWindow.h"
#include "ui/widgets/ToolWindows.h"
#include "ui/widgets/textbox/LineBox.h"
#include "ui/widgets/textbox/TextBox.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace shrink4;

class SetToolWindowTest : public QObject {
    Q_OBJECT

private:
    QWidget* m_main = nullptr;

    static QList<QWidget*> openToolWindows()
    {
        QList<QWidget*> found;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("Fjiaoji") && w->isVisible())
                found << w;
        return found;
    }
    QWidget* openTool()
    {
        showToolWindow<SetToolWindow>(m_main);
        const auto windows = openToolWindows();
        return windows.size() == 1 ? windows.front() : nullptr;
    }
    static TextBox* box(QWidget* tool, int i)
    {
        return tool->findChild<TextBox*>(QStringLiteral("T_dd_jiaoji(%1)").arg(i));
    }
    static QString count(QWidget* tool) { return tool->findChild<LineBox*>(QStringLiteral("T_jiaoji_zhushu"))->text(); }
    static QString listCount(QWidget* tool, int i)
    {
        return tool->findChild<QLabel*>(QStringLiteral("L_jiaoji_zhushu(%1)").arg(i))->text();
    }
    static void click(QWidget* tool, const QString& name)
    {
        auto* button = tool->findChild<QPushButton*>(name);
        QVERIFY2(button, qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    static void closeTool(QWidget* tool)
    {
        tool->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void init()
    {
        m_main = new QWidget;
        m_main->show();
    }
    void cleanup()
    {
        for (QWidget* w : openToolWindows())
            closeTool(w);
        delete m_main;
    }

    void opensOnceWithoutBlocking()
    {
        QWidget* tool = openTool();
        QVERIFY(tool);
        QCOMPARE(tool->windowTitle(), QStringLiteral("四星号码交集区"));
        QVERIFY(!tool->isModal());
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(m_main->isEnabled());
        box(tool, 0)->setPlainText(QStringLiteral("1234"));
        // A second opening brings the same window, texts and all, forward.
        QCOMPARE(openTool(), tool);
        QCOMPARE(box(tool, 0)->toPlainText(), QStringLiteral("1234"));
        QVERIFY(!tool->findChild<QFrame*>(QStringLiteral("Fjindu"))->isVisible());
        // A minimised one is put back on screen, not left in the task bar.
        tool->setWindowState(tool->windowState() | Qt::WindowMinimized);
        QCOMPARE(openTool(), tool);
        QVERIFY(!tool->isMinimized());
    }

    void operations_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("expectedCount");
        QTest::newRow("intersection") << "1234 5678"
                                      << "5678 9999" << 0 << "5678"
                                      << "1";
        QTest::newRow("union") << "1234 5678"
                               << "5678 9999" << 1 << "1234 5678 9999"
                               << "3";
        QTest::newRow("a minus b") << "1234 5678"
                                   << "5678 9999" << 2 << "1234"
                                   << "1";
        QTest::newRow("b minus a") << "1234 5678"
                                   << "5678 9999" << 3 << "9999"
                                   << "1";
        QTest::newRow("lines and a run") << "12345\n9999\n0000\n9999"
                                         << "" << 1 << "0000 1234 2345 9999"
                                         << "4";
        QTest::newRow("no leading zeros") << "12 123"
                                          << "" << 1 << ""
                                          << "0";
        QTest::newRow("both empty") << ""
                                    << "" << 0 << ""
                                    << "0";
    }
    void operations()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, button);
        QFETCH(QString, result);
        QFETCH(QString, expectedCount);
        QWidget* tool = openTool();
        QVERIFY(tool);
        box(tool, 0)->setPlainText(a);
        box(tool, 1)->setPlainText(b);
        click(tool, QStringLiteral("C_jiaoji_xuanzhe(%1)").arg(button));
        QCOMPARE(box(tool, 2)->toPlainText(), result);
        QCOMPARE(count(tool), expectedCount);
        QCOMPARE(box(tool, 0)->toPlainText(), a); // inputs stay as they were
        QVERIFY(!tool->findChild<QFrame*>(QStringLiteral("Fjindu"))->isVisible());
    }

    void clearingAKeepsTheResult()
    {
        QWidget* tool = openTool();
        box(tool, 0)->setPlainText(QStringLiteral("1234 5678"));
        box(tool, 1)->setPlainText(QStringLiteral("5678"));
        click(tool, QStringLiteral("C_jiaoji_xuanzhe(1)"));
        click(tool, QStringLiteral("C_jiaoji_cls(0)"));
        QCOMPARE(box(tool, 0)->toPlainText(), QString());
        QCOMPARE(box(tool, 1)->toPlainText(), QStringLiteral("5678"));
        QCOMPARE(box(tool, 2)->toPlainText(), QStringLiteral("1234 5678"));
        QCOMPARE(count(tool), QStringLiteral("2"));
        click(tool, QStringLiteral("C_jiaoji_cls(1)"));
        QCOMPARE(box(tool, 1)->toPlainText(), QString());
        QCOMPARE(box(tool, 2)->toPlainText(), QStringLiteral("1234 5678"));
    }

    void closingKeepsTheTexts_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("operation");    // none when negative
        QTest::addColumn<int>("clearButton");  // none when negative
        QTest::addColumn<QStringList>("kept"); // A, B, result, count
        QTest::addColumn<QString>("aUndone");
        QTest::newRow("typed lists") << "1234"
                                     << "5678" << -1 << -1 << QStringList{"1234", "5678", "", "0"} << "";
        QTest::newRow("after a union") << "1234"
                                       << "5678" << 1 << -1 << QStringList{"1234", "5678", "1234 5678", "2"} << "";
        QTest::newRow("A cleared after an intersection")
            << "1234 5678"
            << "5678" << 0 << 0 << QStringList{"", "5678", "5678", "1"} << "1234 5678";
    }
    void closingKeepsTheTexts()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, operation);
        QFETCH(int, clearButton);
        QFETCH(QStringList, kept);
        QFETCH(QString, aUndone);
        QWidget* tool = openTool();
        QVERIFY(tool);
        QTest::keyClicks(box(tool, 0), a);
        QTest::keyClicks(box(tool, 1), b);
        if (operation >= 0)
            click(tool, QStringLiteral("C_jiaoji_xuanzhe(%1)").arg(operation));
        if (clearButton >= 0)
            click(tool, QStringLiteral("C_jiaoji_cls(%1)").arg(clearButton));
        auto texts = [&] {
            return QStringList{box(tool, 0)->toPlainText(), box(tool, 1)->toPlainText(), box(tool, 2)->toPlainText(),
                               count(tool)};
        };
        QCOMPARE(texts(), kept);
        closeTool(tool);
        QVERIFY(openToolWindows().isEmpty());
        QCOMPARE(openTool(), tool);
        QCOMPARE(texts(), kept);
        // The boxes' histories come back too.
        QTest::keyClick(box(tool, 0), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box(tool, 0)->toPlainText(), aUndone);
    }

    // The counts follow every key, counting what an operation reads: each four-digit window
    // of a run of digits, once.
    void countsFollowTyping()
    {
        QWidget* tool = openTool();
        QCOMPARE(listCount(tool, 0), QStringLiteral("0 注"));
        QTest::keyClicks(box(tool, 0), QStringLiteral("1234 5678,1234"));
        QCOMPARE(listCount(tool, 0), QStringLiteral("2 注"));
        QTest::keyClicks(box(tool, 1), QStringLiteral("12345 99"));
        QCOMPARE(listCount(tool, 1), QStringLiteral("2 注"));
        click(tool, QStringLiteral("C_jiaoji_xuanzhe(1)"));
        QCOMPARE(count(tool), QStringLiteral("3"));
        QTest::keyClick(box(tool, 2), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(box(tool, 2), QStringLiteral(" 000"));
        QCOMPARE(count(tool), QStringLiteral("3"));
        QTest::keyClicks(box(tool, 2), QStringLiteral("0"));
        QCOMPARE(count(tool), QStringLiteral("4"));
        QTest::keyClick(box(tool, 0), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(listCount(tool, 0), QStringLiteral("0 注"));
    }

    // A list saved by another program, dropped on a box, fills it and is counted.
    void aDroppedFileFillsABox()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("list.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("\xef\xbb\xbf") + "1234\r\n5678\r\n"); // as Notepad saves it
        file.close();
        QWidget* tool = openTool();
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(file.fileName())});
        QWidget* target = box(tool, 1)->viewport();
        QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(4, 4), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QTRY_COMPARE(box(tool, 1)->toPlainText(), QStringLiteral("1234\n5678\n"));
        QCOMPARE(listCount(tool, 1), QStringLiteral("2 注"));
    }

    // Without a main window to reach, the buttons that would reach it are off.
    void aToolWithoutAMainWindowOffersNoLink()
    {
        QWidget* tool = openTool();
        for (const QString& name :
             {QStringLiteral("C_jiaoji_take(0)"), QStringLiteral("C_jiaoji_take(1)"), QStringLiteral("C_jiaoji_send")})
            QVERIFY2(!tool->findChild<QPushButton*>(name)->isEnabled(), qPrintable(name));
    }

    // Takes the main window's result (run again once its conditions changed) and sends a
    // result back to its 大底, which the 大底's own undo puts back.
    void takesFromAndSendsToTheMainWindow()
    {
        MainWindow main;
        main.show();
        auto* pool = main.findChild<TextBox*>(QStringLiteral("T_dadi_nb"));
        QTest::keyClicks(pool, QStringLiteral("0001 0002 0009"));
        QTest::mouseClick(main.findChild<QPushButton*>(QStringLiteral("C_guolv_ks")), Qt::LeftButton);
        QTest::mouseClick(main.findChild<QPushButton*>(QStringLiteral("C_jiaoji")), Qt::LeftButton);
        auto* tool = main.findChild<SetToolWindow*>();
        QVERIFY(tool && tool->isVisible());

        // The result comes once the run started above has listed it.
        click(tool, QStringLiteral("C_jiaoji_take(0)"));
        QTRY_COMPARE(listCount(tool, 0), QStringLiteral("3 注"));
        QTest::keyClick(pool, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(pool, QStringLiteral(" 0005"));
        click(tool, QStringLiteral("C_jiaoji_take(1)"));
        QTRY_COMPARE(listCount(tool, 1), QStringLiteral("4 注"));
        QCOMPARE(main.findChild<QListWidget*>(QStringLiteral("Li_out"))->property("stale").toBool(), false);
        QTest::keyClick(box(tool, 1), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(listCount(tool, 1), QStringLiteral("0 注"));

        box(tool, 2)->setPlainText(QStringLiteral("0005 0007"));
        click(tool, QStringLiteral("C_jiaoji_send"));
        QCOMPARE(pool->toPlainText(), QStringLiteral("0005 0007"));
        QTRY_COMPARE(QApplication::activeWindow(), &main);
        QTest::keyClick(pool, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(pool->toPlainText(), QStringLiteral("0001 0002 0009 0005"));
    }

    void copyOfABlankResultLeavesTheClipboard()
    {
        QWidget* tool = openTool();
        for (const QString& blank : {QString(), QStringLiteral(" \n ")}) {
            box(tool, 2)->setPlainText(blank);
            QApplication::clipboard()->setText(QStringLiteral("old"));
            QString said;
            QTimer::singleShot(100, tool, [&] {
                if (auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    said = message->text();
                    message->accept();
                }
            });
            click(tool, QStringLiteral("C_jiaoji_cls(2)"));
            QCOMPARE(said, QStringLiteral("没有可复制的号码"));
            QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("old"));
        }
    }

    void copyPutsTheResultOnTheClipboardAndConfirms()
    {
        QWidget* tool = openTool();
        box(tool, 0)->setPlainText(QStringLiteral("5678,1234"));
        click(tool, QStringLiteral("C_jiaoji_xuanzhe(1)"));
        QApplication::clipboard()->setText(QStringLiteral("old"));
        click(tool, QStringLiteral("C_jiaoji_cls(2)"));
        // The notice shows without blocking and closes itself.
        bool sawNotice = false;
        for (QWidget* top : QApplication::topLevelWidgets())
            sawNotice = sawNotice || (top->objectName() == QLatin1String("Fts") && top->isVisible());
        QVERIFY(sawNotice);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1234 5678"));
    }
};

QTEST_MAIN(SetToolWindowTest)
#include "SetToolWindowTest.moc"
