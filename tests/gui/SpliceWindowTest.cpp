#include "TestFiles.h"
#include "ui/splice/SplicePageWidget.h"
#include "ui/splice/SpliceWindow.h"
#include "ui/widgets/ToolWindows.h"
#include "ui/widgets/textbox/TextBox.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace shrink4;

using shrink4::test::fileBytes;

namespace {

// Answers the next message box with OK and remembers what it said; a question whether to
// replace an export is answered 覆盖 on the way.
class MessageBoxCatcher {
public:
    MessageBoxCatcher() { poll(50); }
    bool seen() const { return m_seen; }
    QString title() const { return m_title; }
    QString text() const { return m_text; }

private:
    void poll(int triesLeft)
    {
        QTimer::singleShot(10, &m_context, [this, triesLeft] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box && box->icon() == QMessageBox::Question) {
                for (QAbstractButton* button : box->buttons())
                    if (button->text() == QStringLiteral("覆盖"))
                        button->click();
                poll(triesLeft);
            } else if (box) {
                m_seen = true;
                m_title = box->windowTitle();
                m_text = box->text();
                box->accept();
            } else if (triesLeft > 0) {
                poll(triesLeft - 1);
            }
        });
    }
    QObject m_context; // pending polls end with the catcher
    bool m_seen = false;
    QString m_title, m_text;
};

// Types the text key by key, line breaks by the Return key.
void typeLines(QWidget* box, const QString& text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClicks(box, lines[i]);
    }
}

} // namespace

class SpliceWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensOnPage34WithEveryControlNamed();
    void switchingPagesKeepsTheirBoxes();
    void pasteNormalisesAndCounts();
    void startFiltersAndEmptyBoxesChangeNothing();
    void clearConditionsTouchesOnePageOnly();
    void exportWritesOneNumberALine();
    void aResultOfOtherBoxesIsMarkedAndMadeAgainBeforeItIsTaken();
    void exportOfAnEmptyResultWritesNothingAndSaysSo();
    void saveAsWritesTheChosenFile();
    void failedExportLeavesNoFileBehind();
    void exportFallsBackToTheDocumentsFolder();
    void copyPutsTheResultBoxOnTheClipboard();
    void closingKeepsEverythingAndOneInstanceIsShown_data();
    void closingKeepsEverythingAndOneInstanceIsShown();

private:
    template <class T>
    T* child(const QString& name)
    {
        auto* widget = m_window->findChild<T*>(name);
        if (widget == nullptr)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    TextBox* box(const char* code, int k) { return child<TextBox>(QStringLiteral("T_%1_ip(%2)").arg(code).arg(k)); }
    TextBox* result(const char* code) { return child<TextBox>(QStringLiteral("T_%1_dd").arg(code)); }
    QString boxCount(const char* code, int k)
    {
        return child<QLabel>(QStringLiteral("L_%1_zhushu(%2)").arg(code).arg(k))->text();
    }
    QString resultCount(const char* code) { return child<QLabel>(QStringLiteral("L__%1_dd_hushu").arg(code))->text(); }
    void command(const char* code, int j)
    {
        child<QPushButton>(QStringLiteral("C_%1_pj(%2)").arg(code).arg(j))->click();
    }
    QString exportIn(const char* code, const QString& folder);

    std::unique_ptr<SpliceWindow> m_window;
    std::unique_ptr<QTemporaryDir> m_folder;
};

void SpliceWindowTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_window = std::make_unique<SpliceWindow>();
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_window->setExportFolders({m_folder->path(), m_folder->filePath(QStringLiteral("Documents")), {}});
    m_window->show();
}

void SpliceWindowTest::cleanup()
{
    m_window.reset();
    m_folder.reset();
}

QString SpliceWindowTest::exportIn(const char* code, const QString& folder)
{
    MessageBoxCatcher catcher;
    command(code, 2);
    if (!QTest::qWaitFor([&] { return catcher.seen(); }))
        return QStringLiteral("no message box");
    if (catcher.title() != QStringLiteral("温馨提示"))
        return QStringLiteral("wrong title ") + catcher.title();
    return catcher.text().replace(folder, QStringLiteral("<folder>"));
}

void SpliceWindowTest::opensOnPage34WithEveryControlNamed()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("拼接工具"));
    QVERIFY(child<QWidget>(QStringLiteral("F_ding(2)"))->isVisible());
    QVERIFY(!child<QWidget>(QStringLiteral("F_ding(0)"))->isVisible());
    QVERIFY(child<QPushButton>(QStringLiteral("C_ding(2)"))->isChecked());
    QVERIFY(!child<QPushButton>(QStringLiteral("C_ding(0)"))->isChecked());
    QCOMPARE(child<QLabel>(QStringLiteral("L_geshi"))->text(),
             QStringLiteral("格式示范【3星拼4星】，在下面的方框内输入：123 563 873 213"));
    QVERIFY(!child<QWidget>(QStringLiteral("Pic_jd"))->isVisible());
    const std::pair<const char*, int> pages[] = {{"24", 6}, {"25", 10}, {"34", 4}, {"35", 10}, {"45", 5}};
    for (const auto& [code, boxes] : pages) {
        for (int k = 0; k < boxes; ++k) {
            QCOMPARE(boxCount(code, k), QStringLiteral("0"));
            QCOMPARE(child<QPushButton>(QStringLiteral("C_%1_zhantie(%2)").arg(code).arg(k))->text(),
                     QStringLiteral("清/粘贴"));
        }
        QVERIFY(m_window->findChild<QWidget*>(QStringLiteral("T_%1_ip(%2)").arg(code).arg(boxes)) == nullptr);
        QVERIFY(child<QRadioButton>(QStringLiteral("Op_%1_bl(0)").arg(code))->isChecked());
        QCOMPARE(child<QRadioButton>(QStringLiteral("Op_%1_bl(1)").arg(code))->text(), QStringLiteral("删除"));
        QCOMPARE(child<QPushButton>(QStringLiteral("C_%1_pj(3)").arg(code))->text(), QStringLiteral("清空条件"));
        QCOMPARE(resultCount(code), QStringLiteral("0"));
    }
}

void SpliceWindowTest::switchingPagesKeepsTheirBoxes()
{
    child<QPushButton>(QStringLiteral("C_ding(0)"))->click();
    box("24", 3)->setPlainText(QStringLiteral("12 34"));
    child<QPushButton>(QStringLiteral("C_ding(3)"))->click();
    QVERIFY(child<QWidget>(QStringLiteral("F_ding(3)"))->isVisible());
    QVERIFY(!child<QWidget>(QStringLiteral("F_ding(0)"))->isVisible());
    QVERIFY(child<QLabel>(QStringLiteral("L_geshi"))->text().contains(QStringLiteral("【3星拼5星】")));
    QVERIFY(!child<QPushButton>(QStringLiteral("C_ding(0)"))->isChecked());
    child<QPushButton>(QStringLiteral("C_ding(0)"))->click();
    QCOMPARE(box("24", 3)->toPlainText(), QStringLiteral("12 34"));
    QVERIFY(child<QPushButton>(QStringLiteral("C_ding(0)"))->isChecked());
}

void SpliceWindowTest::pasteNormalisesAndCounts()
{
    auto* paste = child<QPushButton>(QStringLiteral("C_34_zhantie(1)"));
    QApplication::clipboard()->setText(QStringLiteral("12,56;87\r\n\r\n   "));
    paste->click();
    QCOMPARE(box("34", 1)->toPlainText(), QStringLiteral("12 56 87"));
    QCOMPARE(boxCount("34", 1), QStringLiteral("3"));

    QApplication::clipboard()->setText(QStringLiteral("a1b2"));
    paste->click();
    QCOMPARE(box("34", 1)->toPlainText(), QStringLiteral("1 2"));
    QCOMPARE(boxCount("34", 1), QStringLiteral("2"));

    // Typing by hand recounts; a paste without digits leaves the box and says so.
    box("34", 1)->setPlainText(QStringLiteral("111 222 333 444"));
    QCOMPARE(boxCount("34", 1), QStringLiteral("4"));
    QTest::keyClick(box("34", 1), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(box("34", 1), QStringLiteral(",5"));
    QCOMPARE(boxCount("34", 1), QStringLiteral("5"));
    QTest::keyClick(box("34", 1), Qt::Key_Z, Qt::ControlModifier);
    QApplication::clipboard()->setText(QStringLiteral("no digits"));
    {
        MessageBoxCatcher catcher;
        paste->click();
        QVERIFY(catcher.seen());
        QCOMPARE(catcher.text(), QStringLiteral("剪贴板里没有数字，方框里的号码保持不变。"));
    }
    QCOMPARE(box("34", 1)->toPlainText(), QStringLiteral("111 222 333 444"));
    QCOMPARE(boxCount("34", 1), QStringLiteral("4"));

    // Paste and double-click clearing are both edits the box can take back.
    QApplication::clipboard()->setText(QStringLiteral("123，456"));
    paste->click();
    QCOMPARE(boxCount("34", 1), QStringLiteral("2"));
    QTest::mouseDClick(box("34", 1)->viewport(), Qt::LeftButton);
    QCOMPARE(box("34", 1)->toPlainText(), QString());
    QCOMPARE(boxCount("34", 1), QStringLiteral("0"));
    QTest::keyClick(box("34", 1), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(box("34", 1)->toPlainText(), QStringLiteral("123 456"));
    QCOMPARE(boxCount("34", 1), QStringLiteral("2"));
    QTest::keyClick(box("34", 1), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(box("34", 1)->toPlainText(), QStringLiteral("111 222 333 444"));
}

void SpliceWindowTest::startFiltersAndEmptyBoxesChangeNothing()
{
    box("24", 0)->setPlainText(QStringLiteral("12"));
    command("24", 0);
    QCOMPARE(resultCount("24"), QStringLiteral("100"));
    QVERIFY(result("24")->toPlainText().startsWith(QStringLiteral("1200 1201 ")));
    QVERIFY(result("24")->toPlainText().endsWith(QStringLiteral(" 1299")));
    QVERIFY(!child<QWidget>(QStringLiteral("Pic_jd"))->isVisible());

    child<QRadioButton>(QStringLiteral("Op_24_bl(1)"))->setChecked(true);
    command("24", 0);
    QCOMPARE(resultCount("24"), QStringLiteral("9900"));

    box("24", 0)->setPlainText(QStringLiteral("   "));
    command("24", 0);
    QCOMPARE(resultCount("24"), QStringLiteral("9900"));
    QCOMPARE(result("24")->toPlainText().size(), 9900 * 5 - 1);

    // Blanks of any kind leave a box empty: they neither count nor filter.
    child<QRadioButton>(QStringLiteral("Op_24_bl(0)"))->setChecked(true);
    box("24", 4)->setPlainText(QStringLiteral("\n\t\n"));
    QCOMPARE(boxCount("24", 4), QStringLiteral("0"));
    command("24", 0);
    QCOMPARE(resultCount("24"), QStringLiteral("9900"));
    box("24", 0)->setPlainText(QStringLiteral("12"));
    command("24", 0);
    QCOMPARE(resultCount("24"), QStringLiteral("100"));
}

void SpliceWindowTest::clearConditionsTouchesOnePageOnly()
{
    for (const char* code : {"24", "34"}) {
        box(code, 0)->setPlainText(QStringLiteral("123"));
        box(code, 3)->setPlainText(QStringLiteral("456"));
        QApplication::clipboard()->setText(QStringLiteral("12 13"));
        child<QPushButton>(QStringLiteral("C_%1_zhantie(2)").arg(code))->click();
        child<QRadioButton>(QStringLiteral("Op_%1_bl(1)").arg(code))->setChecked(true);
        command(code, 0);
    }
    const QString untouched = result("34")->toPlainText();
    const QString untouchedCount = resultCount("34");
    QVERIFY(!untouched.isEmpty());

    command("24", 3);
    for (int k = 0; k < 6; ++k) {
        QCOMPARE(box("24", k)->toPlainText(), QString());
        QCOMPARE(boxCount("24", k), QStringLiteral("0"));
    }
    QCOMPARE(result("24")->toPlainText(), QString());
    QCOMPARE(resultCount("24"), QStringLiteral("0"));
    QVERIFY(child<QRadioButton>(QStringLiteral("Op_24_bl(1)"))->isChecked());

    QCOMPARE(box("34", 0)->toPlainText(), QStringLiteral("123"));
    QCOMPARE(boxCount("34", 2), QStringLiteral("2"));
    QCOMPARE(result("34")->toPlainText(), untouched);
    QCOMPARE(resultCount("34"), untouchedCount);
}

// One number a line, each ending in CR LF.
QByteArray lines(const QString& spaced)
{
    return spaced.split(QLatin1Char(' '), Qt::SkipEmptyParts).join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
}

void SpliceWindowTest::exportWritesOneNumberALine()
{
    const QString folder = m_folder->path();
    box("24", 0)->setPlainText(QStringLiteral("12"));
    command("24", 0);
    const QString expected = result("24")->toPlainText();
    QCOMPARE(exportIn("24", folder), QStringLiteral("导出成功：\r\n<folder>/2拼接4.txt"));
    QCOMPARE(fileBytes(m_folder->filePath(QStringLiteral("2拼接4.txt"))), lines(expected));

    // A result edited by hand is exported as edited; the second export replaces the first.
    result("24")->setPlainText(QStringLiteral("  1234 5678  "));
    QCOMPARE(exportIn("24", folder), QStringLiteral("导出成功：\r\n<folder>/2拼接4.txt"));
    QCOMPARE(fileBytes(m_folder->filePath(QStringLiteral("2拼接4.txt"))), QByteArray("1234\r\n5678\r\n"));

    box("35", 0)->setPlainText(QStringLiteral("123"));
    command("35", 0);
    QCOMPARE(exportIn("35", folder), QStringLiteral("导出成功：\r\n<folder>/3拼接5.txt"));
    QCOMPARE(fileBytes(m_folder->filePath(QStringLiteral("3拼接5.txt"))), lines(result("35")->toPlainText()));
    QVERIFY(!QFile::exists(m_folder->filePath(QStringLiteral("3拼接4.txt"))));
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2);
}

void SpliceWindowTest::aResultOfOtherBoxesIsMarkedAndMadeAgainBeforeItIsTaken()
{
    auto* strip = child<QLabel>(QStringLiteral("L_34_dd_state"));
    auto stale = [&] {
        const bool marked = strip->isVisible();
        if (result("34")->property("stale").toBool() != marked
            || child<QLabel>(QStringLiteral("L__34_dd_hushu"))->property("stale").toBool() != marked)
            qFatal("the strip and the properties disagree");
        return marked;
    };
    box("34", 0)->setPlainText(QStringLiteral("123"));
    QTest::mouseClick(child<QPushButton>(QStringLiteral("C_34_pj(0)")), Qt::LeftButton);
    QCOMPARE(resultCount("34"), QStringLiteral("10"));
    QVERIFY(!stale());

    // Marked at the first key; an undo back to the boxes of the result clears it.
    QTest::keyClick(box("34", 0), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(box("34", 0), QStringLiteral(" 124"));
    QVERIFY(stale());
    QCOMPARE(strip->text(), QStringLiteral("方框已改动，结果为上次拼接所得 — 按【开始拼接】重新拼接"));
    for (int undo = 0; undo < 4 && box("34", 0)->toPlainText() != QStringLiteral("123"); ++undo)
        QTest::keyClick(box("34", 0), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(box("34", 0)->toPlainText(), QStringLiteral("123"));
    QTRY_VERIFY(!stale());
    QTest::mouseClick(child<QRadioButton>(QStringLiteral("Op_34_bl(1)")), Qt::LeftButton);
    QVERIFY(stale());
    QTest::mouseClick(child<QRadioButton>(QStringLiteral("Op_34_bl(0)")), Qt::LeftButton);

    // Copying a stale result splices again first, never hands out the old list.
    QTest::keyClick(box("34", 0), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(box("34", 0), QStringLiteral(" 124"));
    QTest::mouseClick(child<QPushButton>(QStringLiteral("C_34_pj(1)")), Qt::LeftButton);
    QVERIFY(!stale());
    QCOMPARE(resultCount("34"), QStringLiteral("20"));
    QCOMPARE(QApplication::clipboard()->text(), result("34")->toPlainText());
    QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral("1249")));

    // Boxes all emptied give no result to take: the old one is refused.
    QTest::mouseDClick(box("34", 0)->viewport(), Qt::LeftButton);
    QApplication::clipboard()->setText(QStringLiteral("old"));
    MessageBoxCatcher catcher;
    QTest::mouseClick(child<QPushButton>(QStringLiteral("C_34_pj(1)")), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return catcher.seen(); }));
    QCOMPARE(catcher.text(), QStringLiteral("方框都是空的，结果为上次拼接所得，没有复制。"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("old"));
    QVERIFY(stale());
}

void SpliceWindowTest::exportOfAnEmptyResultWritesNothingAndSaysSo()
{
    result("45")->setPlainText(QStringLiteral("    "));
    for (const QString& button : {QStringLiteral("C_45_pj(2)"), QStringLiteral("C_45_pj_saveas")}) {
        MessageBoxCatcher catcher; // and no file dialog: the catcher would not see past it
        child<QPushButton>(button)->click();
        QVERIFY2(QTest::qWaitFor([&] { return catcher.seen(); }), qPrintable(button));
        QCOMPARE(catcher.text(), QStringLiteral("结果框里没有号码，没有导出。"));
    }
    QVERIFY(QDir(m_folder->path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}

void SpliceWindowTest::saveAsWritesTheChosenFile()
{
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    result("24")->setPlainText(QStringLiteral("1234 5678"));
    const QString chosen = m_folder->filePath(QStringLiteral("mine/picked.txt"));
    QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("mine")));
    QString startedAt;
    QTimer::singleShot(50, m_window.get(), [&] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            startedAt = dialog->selectedFiles().value(0);
            dialog->setDirectory(QFileInfo(chosen).absolutePath());
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            name->setFocus();
            name->clear();
            QTest::keyClicks(name, QFileInfo(chosen).fileName());
            QTest::keyClick(name, Qt::Key_Return);
        }
    });
    MessageBoxCatcher catcher;
    child<QPushButton>(QStringLiteral("C_24_pj_saveas"))->click();
    QVERIFY(QTest::qWaitFor([&] { return catcher.seen(); }));
    QCOMPARE(QFileInfo(startedAt).fileName(), QStringLiteral("2拼接4.txt"));
    QCOMPARE(catcher.text(), QStringLiteral("导出成功：\r\n") + QDir::toNativeSeparators(chosen));
    QCOMPARE(fileBytes(chosen), QByteArray("1234\r\n5678\r\n"));
    // The one-click export's file is not touched.
    QVERIFY(!QFile::exists(m_folder->filePath(QStringLiteral("2拼接4.txt"))));
}

void SpliceWindowTest::failedExportLeavesNoFileBehind()
{
    // A folder in the file's place: the file cannot be written, and nothing else may appear.
    QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("2拼接4.txt")));
    result("24")->setPlainText(QStringLiteral("1234"));
    QCOMPARE(exportIn("24", m_folder->path()), QStringLiteral("导出失败：<folder>/2拼接4.txt：同名的文件夹已存在"));
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("2拼接4.txt")});

    // Neither folder usable: a regular file stands where both folders would be. The player
    // is asked where to save; cancelling writes nothing and says nothing.
    const QString blocker = m_folder->filePath(QStringLiteral("blocker"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    m_window->setExportFolders({blocker + QStringLiteral("/bin"), blocker + QStringLiteral("/Documents"), {}});
    bool asked = false;
    QTimer::singleShot(50, m_window.get(), [&asked] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            asked = dialog->objectName() == QStringLiteral("export_file_dialog");
            dialog->reject();
        }
    });
    command("24", 2);
    QVERIFY(asked);
    QCOMPARE(fileBytes(blocker), QByteArray());
}

void SpliceWindowTest::exportFallsBackToTheDocumentsFolder()
{
    const QString missingProgramFolder = m_folder->filePath(QStringLiteral("no/such/folder"));
    const QString documents = m_folder->filePath(QStringLiteral("home/Documents"));
    QCOMPARE(chooseExportFolder({m_folder->path(), documents, {}}), m_folder->path());
    QVERIFY(!QFile::exists(documents));
    QCOMPARE(chooseExportFolder({missingProgramFolder, documents, {}}), documents);
    QVERIFY(QFileInfo(documents).isDir());

    QVERIFY(QDir(documents).removeRecursively());
    m_window->setExportFolders({missingProgramFolder, documents, {}});
    result("45")->setPlainText(QStringLiteral("12340 12341"));
    QCOMPARE(exportIn("45", m_folder->path()),
             QStringLiteral("程序文件夹不可写，已导出到文档文件夹：\r\n<folder>/home/Documents/4拼接5.txt"));
    QCOMPARE(fileBytes(documents + QStringLiteral("/4拼接5.txt")), QByteArray("12340\r\n12341\r\n"));
    QVERIFY(!QFile::exists(missingProgramFolder));
}

void SpliceWindowTest::copyPutsTheResultBoxOnTheClipboard()
{
    result("25")->setPlainText(QStringLiteral("05000 05001"));
    command("25", 1); // the confirmation closes itself
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("05000 05001"));
    QVERIFY(QApplication::activeModalWidget() == nullptr);

    result("25")->setPlainText(QStringLiteral(" \n "));
    MessageBoxCatcher catcher;
    command("25", 1);
    QCOMPARE(catcher.text(), QStringLiteral("没有可复制的号码"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("05000 05001"));
}

void SpliceWindowTest::closingKeepsEverythingAndOneInstanceIsShown_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("clipboard"); // pasted into the box when not empty
    QTest::addColumn<bool>("deleteMode");
    QTest::addColumn<QStringList>("kept"); // box, its count, result count
    QTest::addColumn<bool>("told");
    QTest::newRow("typed groups, delete") << 0 << "12 34"
                                          << "" << true << QStringList{"12 34", "2", "9800"} << false;
    QTest::newRow("blanks filter nothing") << 0 << " \n "
                                           << "" << true << QStringList{" \n ", "0", "0"} << false;
    QTest::newRow("paste over typing") << 2 << "999"
                                       << "123，124" << false << QStringList{"123 124", "2", "20"} << false;
    QTest::newRow("paste without digits") << 2 << "123"
                                          << "无号码" << false << QStringList{"123", "1", "10"} << true;
}

void SpliceWindowTest::closingKeepsEverythingAndOneInstanceIsShown()
{
    QFETCH(int, page);
    QFETCH(QString, typed);
    QFETCH(QString, clipboard);
    QFETCH(bool, deleteMode);
    QFETCH(QStringList, kept);
    QFETCH(bool, told);
    m_window.reset();
    QWidget mainWindow; // takes the tool with it
    mainWindow.show();
    auto openWindows = [] {
        QList<QWidget*> found;
        for (auto* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("Fmain_pj") && w->isVisible())
                found.append(w);
        return found;
    };
    showToolWindow<SpliceWindow>(&mainWindow);
    showToolWindow<SpliceWindow>(&mainWindow);
    QCOMPARE(openWindows().size(), 1);
    QWidget* window = openWindows().first();
    const char* const codes[] = {"24", "25", "34", "35", "45"};
    const QString code = QLatin1String(codes[page]);
    auto at = [&](const char* pattern) { return window->findChild<QWidget*>(QString::fromLatin1(pattern).arg(code)); };
    auto snapshot = [&] {
        return QStringList{
            static_cast<TextBox*>(at("T_%1_ip(0)"))->toPlainText(),
            static_cast<QLabel*>(at("L_%1_zhushu(0)"))->text(),
            static_cast<QLabel*>(at("L__%1_dd_hushu"))->text(),
            static_cast<TextBox*>(at("T_%1_dd"))->toPlainText(),
            QString::number(static_cast<QRadioButton*>(at("Op_%1_bl(1)"))->isChecked()),
            QString::number(window->findChild<QWidget*>(QStringLiteral("F_ding(%1)").arg(page))->isVisible())};
    };

    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("C_ding(%1)").arg(page)), Qt::LeftButton);
    typeLines(at("T_%1_ip(0)"), typed);
    if (!clipboard.isEmpty()) {
        QApplication::clipboard()->setText(clipboard);
        MessageBoxCatcher catcher;
        QTest::mouseClick(at("C_%1_zhantie(0)"), Qt::LeftButton);
        QCOMPARE(catcher.seen(), told);
    }
    if (deleteMode)
        QTest::mouseClick(at("Op_%1_bl(1)"), Qt::LeftButton);
    QTest::mouseClick(at("C_%1_pj(0)"), Qt::LeftButton);
    const QStringList before = snapshot();
    QCOMPARE(before.mid(0, 3), kept);

    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(openWindows().isEmpty());
    showToolWindow<SpliceWindow>(&mainWindow);
    QCOMPARE(openWindows(), QList<QWidget*>{window});
    QCOMPARE(snapshot(), before);
}

QTEST_MAIN(SpliceWindowTest)
#include "SpliceWindowTest.moc"
