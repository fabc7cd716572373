// What the window remembers and writes out: the current scheme and its "*" mark, Save and
// Save As, the recent schemes, the folders and size it had, the result export; and that
// Qt's own words and every button's tip read in Chinese.

#include "TestFiles.h"
#include "MainWindowTestSupport.h"

#include "ui/application/AppSetup.h"
#include "ui/application/SchemeDialogs.h"
#include "ui/main/LiveRun.h"
#include "ui/main/PagedConditions.h"
#include "ui/application/Settings.h"
#include "ui/application/WindowSettings.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QScopeGuard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QGroupBox>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

using namespace shrink4;
using namespace shrink4::test;

namespace {

ConditionInputs sums(const char* text)
{
    ConditionInputs in;
    in.sumValues = text;
    return in;
}

struct DialogSeen {
    QString objectName;
    QString startFile; // what the dialog showed first
    QStringList messages;
    int count = 0;
};

// Runs action, answering each file dialog with answer (empty: cancel) and each message
// box with OK.
DialogSeen answerFileDialogs(const std::function<void()>& action, const QString& answer)
{
    DialogSeen seen;
    QFileDialog* answered = nullptr;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen.messages << box->text();
            box->button(box->button(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::No)->click();
            return;
        }
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog || dialog == answered)
            return;
        answered = dialog;
        ++seen.count;
        seen.objectName = dialog->objectName();
        seen.startFile = dialog->selectedFiles().value(0);
        if (answer.isEmpty()) {
            dialog->reject();
            return;
        }
        typeFileName(dialog, QFileInfo(answer).absolutePath(), QFileInfo(answer).fileName());
    });
    poll.start();
    action();
    poll.stop();
    return seen;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly)
           && file.write(bytes) == bytes.size();
}

void trigger(MainWindow* w, const char* action)
{
    control<QAction>(w, QString::fromLatin1(action))->trigger();
}

} // namespace

class MainWindowRememberTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }
    void init() { QSettings().clear(); }

    void titleMarksConditionsThatDifferFromTheScheme()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.json"));
        auto w = makeWindow();
        QVERIFY(!w->isWindowModified());
        w->setConditions(sums("01"));
        QVERIFY(w->isWindowModified());
        QVERIFY(w->saveScheme(path));
        QVERIFY(!w->isWindowModified());
        QVERIFY(w->windowTitle().startsWith(QLatin1String("a.json[*]")));

        // Cleared and undone: back to what the file holds.
        button(w.get(), QStringLiteral("C_all_cls"))->click();
        QVERIFY(w->isWindowModified());
        button(w.get(), QStringLiteral("C_undo_notice"))->click();
        QTRY_VERIFY(!w->isWindowModified());

        // Typed and taken back in the box.
        auto* box = control<LineBox>(w.get(), QStringLiteral("T_sha_hezhi"));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClicks(box, QStringLiteral(".05"));
        QTest::qWait(400);
        QVERIFY(w->isWindowModified());
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QTRY_VERIFY(!w->isWindowModified());

        w->setConditions(sums("02"));
        QVERIFY(w->openScheme(path));
        QVERIFY(!w->isWindowModified());
        QCOMPARE(w->conditions(), sums("01"));
    }

    void saveWritesTheCurrentSchemeAndSaveAsAsksFromIt()
    {
        QTemporaryDir dir;
        const QString first = dir.filePath(QStringLiteral("first.json"));
        const QString second = dir.filePath(QStringLiteral("second.json"));
        auto w = makeWindow();

        // No current scheme yet: Save asks, proposing 方案N.json, the first name free in 文档.
        w->setConditions(sums("01"));
        DialogSeen seen = answerFileDialogs([&] { trigger(w.get(), "action_save_scheme"); }, first);
        QCOMPARE(seen.count, 1);
        QCOMPARE(QFileInfo(seen.startFile).dir(), QDir(startFolder({})));
        QVERIFY2(QFileInfo(seen.startFile).fileName().startsWith(QStringLiteral("方案")), qPrintable(seen.startFile));
        QVERIFY(!QFileInfo::exists(seen.startFile));
        QCOMPARE(w->currentScheme(), first);

        // Now it writes without asking.
        w->setConditions(sums("02"));
        seen = answerFileDialogs([&] { trigger(w.get(), "action_save_scheme"); }, {});
        QCOMPARE(seen.count, 0);
        QVERIFY(fileBytes(first).contains("\"02\""));

        // Save As asks, starting at the current scheme; a cancelled one changes nothing.
        w->setConditions(sums("03"));
        seen = answerFileDialogs([&] { trigger(w.get(), "action_save_scheme_as"); }, {});
        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.startFile, first);
        QCOMPARE(w->currentScheme(), first);
        QVERIFY(w->saveScheme(second));
        QVERIFY(fileBytes(first).contains("\"02\""));
        QVERIFY(fileBytes(second).contains("\"03\""));
        QCOMPARE(recentSchemes(), (QStringList{second, first}));

        // The open dialog starts in the folder last used.
        seen = answerFileDialogs([&] { trigger(w.get(), "action_open_scheme"); }, {});
        QCOMPARE(seen.objectName, QStringLiteral("open_scheme_dialog"));
        QVERIFY(lastFolder(QStringLiteral("save_scheme_dialog")) == dir.path());
    }

    void recentSchemesKeepTheEightNewestAndDropMissingOnes()
    {
        QTemporaryDir dir;
        auto w = makeWindow();
        QStringList saved;
        for (int i = 0; i < 10; ++i) {
            saved.prepend(dir.filePath(QStringLiteral("s%1.json").arg(i)));
            QVERIFY(w->saveScheme(saved.front()));
        }
        QCOMPARE(recentSchemes(), saved.mid(0, kMaxRecentSchemes));

        auto* menu = control<QMenu>(w.get(), QStringLiteral("menu_recent_schemes"));
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().size(), kMaxRecentSchemes);
        QCOMPARE(menu->actions().at(1)->data().toString(), saved.at(1));

        // A file gone since: said in Chinese and taken off the list, nothing opened.
        QVERIFY(QFile::remove(saved.at(1)));
        const MessageBoxSeen seen = answerMessageBoxes([&] { menu->actions().at(1)->trigger(); });
        QCOMPARE(seen.count, 1);
        QVERIFY(seen.text.startsWith(QStringLiteral("方案文件已不存在")));
        QVERIFY(!recentSchemes().contains(saved.at(1)));
        QCOMPARE(w->currentScheme(), saved.at(0));

        // One still there opens and comes first.
        emit menu->aboutToShow();
        menu->actions().at(2)->trigger();
        QCOMPARE(w->currentScheme(), saved.at(3));
        QCOMPARE(recentSchemes().front(), saved.at(3));
    }

    void aNewSessionPutsBackSizeAndScheme()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kept.json"));
        {
            auto w = makeWindow();
            w->restoreSettings();
            w->setConditions(sums("07"));
            QVERIFY(w->saveScheme(path));
            w->resize(700, 520);
            w->close();
        }
        auto w = makeWindow();
        w->setConditions(sums("07"));
        w->restoreSettings();
        QCOMPARE(w->size(), QSize(700, 520));
        QCOMPARE(w->currentScheme(), path);
        QVERIFY(!w->isWindowModified());
    }

    // Players' settings files name each setting as earlier versions wrote it: read back
    // typed, and written in the same form.
    void settingsFilesOfEarlierVersionsKeepWorking()
    {
        QTemporaryDir dir;
        const QString path = Settings().fileName();
        const QString scheme = dir.filePath(QStringLiteral("a.json"));
        const QByteArray earlier = "[folders]\nopen_scheme_dialog=" + dir.path().toUtf8()
                                   + "\n\n[history]\ndrawsFolder=" + dir.path().toUtf8()
                                   + "\n\n[schemes]\ncurrent=" + scheme.toUtf8() + "\nrecent=" + scheme.toUtf8()
                                   + "\n\n[window]\ngeometry=@ByteArray(kept)\npage=2\nscroll=@Point(3 120)\n";
        QVERIFY(writeFile(path, earlier));
        {
            const Settings settings;
            QCOMPARE(settings.dialogFolder(QStringLiteral("open_scheme_dialog")), dir.path());
            QCOMPARE(settings.drawsFolder(), dir.path());
            QCOMPARE(settings.currentScheme(), scheme);
            QCOMPARE(settings.recentSchemes(), QStringList{scheme}); // one path is kept as a bare string
            QCOMPARE(settings.windowGeometry(), QByteArray("kept"));
            QCOMPARE(settings.conditionsPage(), 2);
            QCOMPARE(settings.conditionsScroll(), QPoint(3, 120));
        }
        {
            Settings settings;
            settings.setConditionsPage(3);
            settings.setConditionsScroll(QPoint(0, 40));
            settings.setDrawsFolder(QStringLiteral("/draws"));
            settings.setRecentSchemes({QStringLiteral("/b.json"), scheme});
        }
        const QByteArray written = fileBytes(path);
        const QList<QByteArray> lines{"page=3",
                                      "scroll=@Point(0 40)",
                                      "drawsFolder=/draws",
                                      "recent=/b.json, " + scheme.toUtf8(),
                                      "current=" + scheme.toUtf8(),
                                      "geometry=@ByteArray(kept)"};
        for (const QByteArray& line : lines)
            QVERIFY2(written.contains(line), line.constData());
    }

    // Named on the command line from one folder, started next time from another, where a
    // file of the same name must not take its place (Save would write over it).
    void aSchemeNamedRelativelyIsTheSameFileAtTheNextStart()
    {
        QTemporaryDir first;
        QTemporaryDir other;
        const auto restoreFolder = qScopeGuard([started = QDir::currentPath()] { QDir::setCurrent(started); });
        QVERIFY(QDir::setCurrent(first.path()));
        {
            auto w = makeWindow();
            w->restoreSettings();
            w->setConditions(sums("07"));
            QVERIFY(w->saveScheme(QStringLiteral("kept.json")));
            QVERIFY(w->openScheme(QStringLiteral("kept.json")));
            w->close();
        }
        const QString kept = QFileInfo(first.filePath(QStringLiteral("kept.json"))).absoluteFilePath();
        QVERIFY(QFile::copy(kept, other.filePath(QStringLiteral("kept.json"))));
        QVERIFY(QDir::setCurrent(other.path()));
        auto w = makeWindow();
        w->restoreSettings();
        QCOMPARE(QFileInfo(w->currentScheme()).absoluteFilePath(), kept);
        QCOMPARE(recentSchemes().first(), kept);
    }

    void exportWritesTheResultAsShown()
    {
        QTemporaryDir dir;
        auto w = makeWindow();

        // Nothing listed: said so, and no dialog asks for a file.
        DialogSeen seen = answerFileDialogs([&] { button(w.get(), QStringLiteral("C_daochu"))->click(); }, {});
        QCOMPARE(seen.count, 0);
        QCOMPARE(seen.messages, QStringList{QStringLiteral("没有可导出的号码，请先缩水。")});

        setPlainText(w.get(), QStringLiteral("T_dadi_nb"), QStringLiteral("4321 1234 0002"));
        button(w.get(), QStringLiteral("C_guolv_ks"))->click();
        const QString text = dir.filePath(QStringLiteral("direct"));
        seen = answerFileDialogs([&] { button(w.get(), QStringLiteral("C_daochu"))->click(); }, text);
        QCOMPARE(seen.objectName, QStringLiteral("export_result_dialog"));
        QCOMPARE(fileBytes(text + QStringLiteral(".txt")), QByteArray("0002\r\n1234\r\n4321\r\n"));

        // The group forms as the list shows them, as a table, from the list's own menu.
        button(w.get(), QStringLiteral("C_guolv_zhuan_zuxuan"))->click();
        const QString table = dir.filePath(QStringLiteral("groups.csv"));
        answerFileDialogs([&] { trigger(w.get(), "action_export_list"); }, table);
        QCOMPARE(fileBytes(table), QByteArray("\xEF\xBB\xBF序号,组选号码\r\n1,=\"0002\"\r\n2,=\"1234\"\r\n"));
    }

    void everyButtonAndConditionFrameSaysWhatItDoes()
    {
        auto w = makeWindow();
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
            if (!qobject_cast<QCheckBox*>(b) && b->isVisibleTo(w.get())
                && !b->objectName().startsWith(QLatin1String("qt_")))
                QVERIFY2(!b->toolTip().isEmpty(), qPrintable(b->objectName() + b->text()));
        // Every frame but the progress frame, which only shows while a run works.
        for (QGroupBox* frame : w->findChildren<QGroupBox*>())
            if (frame->objectName() != QLatin1String("Frame_jindu"))
                QVERIFY2(!frame->toolTip().isEmpty(), qPrintable(frame->title()));
        // So does every box and button of every condition control.
        for (const ControlMeta& meta : kControlMetas) {
            const QString key = QString::fromStdString(std::string(meta.key));
            int boxes = 0;
            for (QWidget* c : w->findChildren<QWidget*>())
                if (c->objectName() == key || c->objectName().startsWith(key + QLatin1Char('('))) {
                    ++boxes;
                    QVERIFY2(!c->toolTip().isEmpty(), qPrintable(c->objectName()));
                }
            QVERIFY2(boxes > 0, qPrintable(key));
        }
        // The paged text conditions have a tip per tab, kept while no page count shows.
        w->liveRun().current();
        for (int page = 0; page < w->pages().count(); ++page)
            QVERIFY(!w->pages().tabToolTip(page).isEmpty());
    }

    void qtsOwnWordsAreChinese()
    {
        QVERIFY(setUpApplication());
        QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Save);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
        QVERIFY(buttons.button(QDialogButtonBox::Save)->text().startsWith(QStringLiteral("保存")));
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        QCOMPARE(dialog.labelText(QFileDialog::FileName), QStringLiteral("文件名称(&N)："));
    }
};

SHRINK4_REGISTER_GUI_TEST(MainWindowRememberTest)
#include "MainWindowRememberTest.moc"
