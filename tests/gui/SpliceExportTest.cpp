// Exports that cannot be written, exports with no folder of ours to go to, and the
// player's own files beside an export.

#include "TestFiles.h"
#include "FileSizeLimit.h"
#include "ui/main/ResultExportDialog.h"
#include "ui/print/ResultReport.h"
#include "ui/splice/SpliceExport.h"
#include "ui/splice/SpliceWindow.h"
#include "ui/widgets/textbox/TextBox.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <unistd.h>

#include <functional>
#include <memory>

using namespace shrink4;
using shrink4::test::fileBytes;
using shrink4::test::FileSizeLimit;

namespace {

ResultReport reportOf(const std::vector<int>& numbers)
{
    ResultReport report;
    report.numbers = numbers;
    return report;
}

struct BoxSeen {
    QString text;
    int icon = 0;
    int count = 0;       // message boxes other than the question
    QString question;    // whether to replace an export, when asked
    QString dialogStart; // the file a file dialog offered
};

// The button of a question box captioned `caption`.
QAbstractButton* buttonOf(QMessageBox* box, const QString& caption)
{
    for (QAbstractButton* button : box->buttons())
        if (button->text() == caption)
            return button;
    return nullptr;
}

// Runs action, answering a question with the button captioned `answer`, every other
// message box with OK and every file dialog with chooseFile (an empty name cancels it).
BoxSeen answerBoxes(const std::function<void()>& action, const QString& chooseFile = {},
                    const QString& answer = QStringLiteral("覆盖"))
{
    BoxSeen seen;
    QFileDialog* answered = nullptr;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal); box && box->icon() == QMessageBox::Question) {
            seen.question = box->text();
            if (QAbstractButton* button = buttonOf(box, answer))
                QTest::mouseClick(button, Qt::LeftButton);
            else
                box->reject(); // not our question (the file dialog's own): the test fails, not hangs
        } else if (box) {
            seen.text = box->text();
            seen.icon = box->icon();
            ++seen.count;
            box->accept();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog && dialog != answered) {
            answered = dialog;
            seen.dialogStart = dialog->selectedFiles().value(0);
            if (chooseFile.isEmpty()) {
                dialog->reject();
                return;
            }
            // As a person does it: the folder, then the name typed and Return.
            dialog->setDirectory(QFileInfo(chooseFile).absolutePath());
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            name->clear();
            QTest::keyClicks(name, QFileInfo(chooseFile).fileName());
            QTest::keyClick(name, Qt::Key_Return);
        }
    });
    poll.start();
    action();
    poll.stop();
    return seen;
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class SpliceExportTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void unwritableExportKeepsTheOldFileAndWarns_data();
    void unwritableExportKeepsTheOldFileAndWarns();
    void noUsableFolderAsksWhereToSave_data();
    void noUsableFolderAsksWhereToSave();
    void exportSaysWhereItWentAndWhy_data();
    void exportSaysWhereItWentAndWhy();
    void filesBesideTheExportAreLeftAlone();
    void anExportThereIsReplacedOnlyWhenThePlayerSaysSo_data();
    void anExportThereIsReplacedOnlyWhenThePlayerSaysSo();
    void writesWhatTheMainWindowExportWrites();

private:
    void setResult(const QString& text)
    {
        m_window->findChild<TextBox*>(QStringLiteral("T_24_dd"))->setPlainText(text);
    }
    BoxSeen clickExport(const QString& chooseFile = {}, const QString& answer = QStringLiteral("覆盖"))
    {
        auto* button = m_window->findChild<QPushButton*>(QStringLiteral("C_24_pj(2)"));
        return answerBoxes([button] { QTest::mouseClick(button, Qt::LeftButton); }, chooseFile, answer);
    }
    QString inFolder(const QString& name) const { return m_folder->filePath(name); }

    std::unique_ptr<SpliceWindow> m_window;
    std::unique_ptr<QTemporaryDir> m_folder;
};

void SpliceExportTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_window = std::make_unique<SpliceWindow>();
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_window->setExportFolders({m_folder->path(), {}, {}});
    m_window->show();
    m_window->findChild<QPushButton*>(QStringLiteral("C_ding(0)"))->click(); // page 2拼接4
}

void SpliceExportTest::cleanup()
{
    m_window.reset();
    m_folder.reset();
}

void SpliceExportTest::unwritableExportKeepsTheOldFileAndWarns_data()
{
    QTest::addColumn<int>("sizeLimit"); // -1: none
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("folderInTheWay");
    QTest::addColumn<QString>("reason");
    const QString full = QStringLiteral("磁盘已满或文件过大");
    // A short line stays in Qt's buffer until the flush: only checking it catches the failure.
    QTest::newRow("small write over a size limit") << 4 << "1234 5678" << false << full;
    QTest::newRow("nothing may be written") << 0 << "1234 5678" << false << full;
    QTest::newRow("large write over a size limit")
        << 100 << QString(QStringLiteral("1234 ")).repeated(5000) << false << full;
    QTest::newRow("a folder in the file's place") << -1 << "1234" << true << "同名的文件夹已存在";
}

void SpliceExportTest::unwritableExportKeepsTheOldFileAndWarns()
{
    QFETCH(int, sizeLimit);
    QFETCH(QString, result);
    QFETCH(bool, folderInTheWay);
    QFETCH(QString, reason);
    const QString path = inFolder(QStringLiteral("2拼接4.txt"));
    const QByteArray old = "old export, longer than the limit\r\n";
    if (folderInTheWay)
        QVERIFY(QDir().mkdir(path));
    else
        writeBytes(path, old);
    const QStringList before = entries(m_folder->path());
    setResult(result);

    BoxSeen seen;
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (sizeLimit >= 0)
            limit = std::make_unique<FileSizeLimit>(rlim_t(sizeLimit));
        QVERIFY(!limit || limit->active());
        seen = clickExport();
    }

    QCOMPARE(seen.count, 1);
    QCOMPARE(seen.question.isEmpty(), folderInTheWay); // a folder is not an export to replace
    QCOMPARE(seen.icon, int(QMessageBox::Warning));
    QCOMPARE(seen.text, QStringLiteral("导出失败：%1：%2").arg(QDir::toNativeSeparators(path), reason));
    if (!folderInTheWay)
        QCOMPARE(fileBytes(path), old);
    QCOMPARE(entries(m_folder->path()), before); // no temporary left behind
}

void SpliceExportTest::noUsableFolderAsksWhereToSave_data()
{
    QTest::addColumn<bool>("homeUnset");
    QTest::addColumn<QString>("documents");
    QTest::addColumn<QString>("home");
    QTest::newRow("HOME unset") << true << QString() << QString();
    QTest::newRow("folders in the root") << false << "//Documents"
                                         << "/";
    QTest::newRow("relative folders") << false << "Documents"
                                      << ".";
    QTest::newRow("no folders at all") << false << QString() << QString();
}

void SpliceExportTest::noUsableFolderAsksWhereToSave()
{
    QFETCH(bool, homeUnset);
    QFETCH(QString, documents);
    QFETCH(QString, home);
    const QByteArray savedHome = qgetenv("HOME");
    if (homeUnset) {
        qunsetenv("HOME");
        documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        home = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
    }
    const bool rootDocumentsExisted = QFileInfo::exists(QStringLiteral("/Documents"));
    const SpliceExportFolders folders{inFolder(QStringLiteral("no/program/folder")), documents, home};
    const QString chosenFolder = chooseExportFolder(folders);
    m_window->setExportFolders(folders);
    setResult(QStringLiteral("1234 5678"));
    const QString chosen = inFolder(QStringLiteral("picked.txt"));
    const BoxSeen seen = clickExport(chosen);
    if (homeUnset)
        qputenv("HOME", savedHome);

    QCOMPARE(chosenFolder, QString());
    QCOMPARE(seen.text, QStringLiteral("导出成功：\r\n") + QDir::toNativeSeparators(chosen));
    QCOMPARE(seen.icon, int(QMessageBox::Information));
    QCOMPARE(fileBytes(chosen), QByteArray("1234\r\n5678\r\n"));
    QCOMPARE(QFileInfo::exists(QStringLiteral("/Documents")), rootDocumentsExisted);
}

void SpliceExportTest::exportSaysWhereItWentAndWhy_data()
{
    QTest::addColumn<QString>("program"); // folder names in the test's folder; "file" is a plain file
    QTest::addColumn<QString>("documents");
    QTest::addColumn<QString>("writtenTo");
    QTest::addColumn<QString>("caption");
    QTest::newRow("program folder") << "bin"
                                    << "Documents"
                                    << "bin"
                                    << "导出成功：";
    QTest::newRow("installed: program folder missing") << "usr/bin"
                                                       << "Documents"
                                                       << "Documents"
                                                       << "程序文件夹不可写，已导出到文档文件夹：";
    QTest::newRow("neither program nor documents folder") << "file/bin"
                                                          << "file/Documents"
                                                          << "."
                                                          << "程序文件夹和文档文件夹都不可写，已导出到主文件夹：";
}

void SpliceExportTest::exportSaysWhereItWentAndWhy()
{
    QFETCH(QString, program);
    QFETCH(QString, documents);
    QFETCH(QString, writtenTo);
    QFETCH(QString, caption);
    writeBytes(inFolder(QStringLiteral("file")), "");
    if (program == QLatin1String("bin"))
        QVERIFY(QDir(m_folder->path()).mkdir(program));
    m_window->setExportFolders({inFolder(program), inFolder(documents), m_folder->path()});
    setResult(QStringLiteral("1234"));
    const QString path = QDir(inFolder(writtenTo)).filePath(QStringLiteral("2拼接4.txt"));

    const BoxSeen seen = clickExport();
    QCOMPARE(seen.icon, int(QMessageBox::Information));
    QCOMPARE(seen.text, caption + QStringLiteral("\r\n") + QDir::toNativeSeparators(QDir::cleanPath(path)));
    QCOMPARE(fileBytes(path), QByteArray("1234\r\n"));
}

void SpliceExportTest::filesBesideTheExportAreLeftAlone()
{
    // Old enough to pass for a temporary a killed save left behind, and named like one of
    // an export; still the player's, and nothing proves otherwise.
    const QStringList names{QStringLiteral("2拼接4.txt.backup"), QStringLiteral("3拼接4.txt.202405"),
                            QStringLiteral("结果.txt.backup"), QStringLiteral("2拼接4.txt.AbC123")};
    for (const QString& name : names) {
        writeBytes(inFolder(name), name.toUtf8());
        QFile file(inFolder(name));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-600), QFileDevice::FileModificationTime));
    }
    setResult(QStringLiteral("1234"));

    for (int exportCount = 0; exportCount < 2; ++exportCount) {
        const BoxSeen seen = clickExport();
        QCOMPARE(seen.icon, int(QMessageBox::Information));
        QCOMPARE(seen.question.isEmpty(), exportCount == 0);
    }
    for (const QString& name : names)
        QCOMPARE(fileBytes(inFolder(name)), name.toUtf8());
    QCOMPARE(entries(m_folder->path()).size(), names.size() + 1);
    QCOMPARE(fileBytes(inFolder(QStringLiteral("2拼接4.txt"))), QByteArray("1234\r\n"));
}

void SpliceExportTest::anExportThereIsReplacedOnlyWhenThePlayerSaysSo_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QByteArray>("left");    // in the export's file afterwards
    QTest::addColumn<QByteArray>("savedAs"); // in mine/another.txt, picked by 另存为
    const QByteArray old = "1111\r\n";
    QTest::newRow("取消") << "取消" << old << QByteArray();
    QTest::newRow("覆盖") << "覆盖" << QByteArray("1234\r\n5678\r\n") << QByteArray();
    QTest::newRow("另存为") << "另存为…" << old << QByteArray("1234\r\n5678\r\n");
}

void SpliceExportTest::anExportThereIsReplacedOnlyWhenThePlayerSaysSo()
{
    QFETCH(QString, answer);
    QFETCH(QByteArray, left);
    QFETCH(QByteArray, savedAs);
    const QString path = inFolder(QStringLiteral("2拼接4.txt"));
    writeBytes(path, "1111\r\n");
    // Another folder: in the dialog's own, reading it selects the file it started at again.
    QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("mine")));
    setResult(QStringLiteral("1234 5678"));

    const BoxSeen seen = clickExport(inFolder(QStringLiteral("mine/another.txt")), answer);
    QCOMPARE(seen.question, QStringLiteral("%1 已存在，是否覆盖？").arg(QDir::toNativeSeparators(path)));
    QCOMPARE(fileBytes(path), left);
    QCOMPARE(seen.count, answer == QStringLiteral("取消") ? 0 : 1);
    if (!savedAs.isEmpty()) {
        QCOMPARE(seen.dialogStart, path); // the dialog starts at the file it did not replace
        QCOMPARE(fileBytes(inFolder(QStringLiteral("mine/another.txt"))), savedAs);
    }
    QCOMPARE(entries(m_folder->path()).size(), 2);
    QCOMPARE(entries(inFolder(QStringLiteral("mine"))).size(), savedAs.isEmpty() ? 0 : 1);
}

// The same numbers give the same file, from a one-click export, from 另存为 as a table and
// from the main window's 导出结果.
void SpliceExportTest::writesWhatTheMainWindowExportWrites()
{
    // Each file in a folder of its own: a file dialog reading a folder may select the file it
    // started at again, and its completer offer a file there, over the name typed meanwhile.
    for (const char* folder : {"main", "maintable", "table"})
        QVERIFY(QDir(m_folder->path()).mkdir(QLatin1String(folder)));
    const std::vector<int> numbers{7, 120, 9999};
    for (const QString& name : {QStringLiteral("main/main.txt"), QStringLiteral("maintable/main.csv")})
        answerBoxes([&] { QVERIFY(exportResultToFile(m_window.get(), reportOf(numbers))); }, inFolder(name));
    setResult(QStringLiteral("0007 0120 9999"));
    clickExport();
    auto* saveAs = m_window->findChild<QPushButton*>(QStringLiteral("C_24_pj_saveas"));
    answerBoxes([saveAs] { QTest::mouseClick(saveAs, Qt::LeftButton); }, inFolder(QStringLiteral("table/splice.csv")));

    QCOMPARE(fileBytes(inFolder(QStringLiteral("2拼接4.txt"))), fileBytes(inFolder(QStringLiteral("main/main.txt"))));
    QCOMPARE(fileBytes(inFolder(QStringLiteral("table/splice.csv"))),
             fileBytes(inFolder(QStringLiteral("maintable/main.csv"))));
    QVERIFY(fileBytes(inFolder(QStringLiteral("maintable/main.csv"))).contains("=\"0007\""));
}

QTEST_MAIN(SpliceExportTest)
#include "SpliceExportTest.moc"
