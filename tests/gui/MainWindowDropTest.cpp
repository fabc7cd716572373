// Files dropped on the main window from a file manager: a scheme opens as 打开方案 opens
// it, question included; a text file fills the condition box it lands on, however it was
// saved; anything else is refused with a word and changes nothing.

#include "MainWindowTestSupport.h"

#include "ui/main/PagedConditions.h"

#include <QFile>
#include <QStatusBar>
#include <QStringEncoder>
#include <QTemporaryDir>

using namespace shrink4;
using namespace shrink4::test;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QString statusWord(MainWindow& w)
{
    return w.statusBar()->currentMessage();
}

} // namespace

class MainWindowDropTest : public QObject {
    Q_OBJECT
private slots:
    void aDroppedSchemeOpensAfterTheQuestion()
    {
        QTemporaryDir dir;
        const QString scheme = dir.filePath(QStringLiteral("dropped.JSON"));
        QVERIFY(writeFile(scheme, R"({"shrink4-scheme": 1, "controls": {"T_main_sha_2ma": "56"}})"));
        auto w = makeWindow();
        setPlainText(w.get(), QStringLiteral("T_main_shazhixuan"), QStringLiteral("1234"));

        // Unsaved conditions: the question of 打开方案, and its 取消 keeps them.
        const MessageBoxSeen asked = answerMessageBoxes([&] {
            QVERIFY(dropFiles(w.get(), {scheme}));
            QTest::qWait(300);
        });
        QCOMPARE(asked.count, 1);
        QVERIFY(asked.text.contains(QStringLiteral("未保存")));
        QCOMPARE(w->conditions().straightKills, std::string("1234"));
        QCOMPARE(w->currentScheme(), QString());

        setPlainText(w.get(), QStringLiteral("T_main_shazhixuan"), QString()); // nothing left unsaved
        QVERIFY(dropFiles(w.get(), {scheme}));
        QTRY_COMPARE(w->currentScheme(), scheme);
        QCOMPARE(w->conditions().killTwoCodes, std::string("56"));
    }

    // Saved as a Windows tool saves it (UTF-16 with its mark, full-width digits), the file
    // reads as typing it would; the box's undo takes it back.
    void aDroppedTextFileFillsTheBoxItLandsOn()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("二码.txt"));
        QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
        QVERIFY(writeFile(path, utf16.encode(QStringLiteral("１２ ３４\r\n56"))));
        auto w = makeWindow();
        auto* box = control<TextBox>(w.get(), QStringLiteral("T_main_sha_2ma"));
        w->pages().setCurrentIndex(2);
        box->setPlainText(QStringLiteral("78"));

        QVERIFY(dropFiles(box->viewport(), {path}));
        QTRY_COMPARE(box->toPlainText(), QStringLiteral("12 34\n56"));
        QVERIFY(statusWord(*w).contains(QStringLiteral("二码.txt")));
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box->toPlainText(), QStringLiteral("78"));
    }

    void anythingElseIsRefusedWithAWord()
    {
        QTemporaryDir dir;
        const QString picture = dir.filePath(QStringLiteral("pool.png"));
        QVERIFY(writeFile(picture, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)));
        const QString text = dir.filePath(QStringLiteral("pool.txt"));
        QVERIFY(writeFile(text, "0001 0002"));
        auto w = makeWindow();
        auto* pool = control<TextBox>(w.get(), QStringLiteral("T_dadi_nb"));
        const ConditionInputs before = w->conditions();

        QVERIFY(dropFiles(pool->viewport(), {picture}));
        QTRY_VERIFY(statusWord(*w).contains(QStringLiteral("不是文本文件")));
        QCOMPARE(pool->toPlainText(), QString());

        // A folder, or several files at once, is refused while still dragged.
        QVERIFY(!dropFiles(pool->viewport(), {dir.path()}));
        QVERIFY(!dropFiles(w.get(), {text, picture}));
        QCOMPARE(statusWord(*w), QStringLiteral("只能拖入方案文件（.json）或文本文件"));

        // A text file beside the boxes: the word says where it goes.
        QVERIFY(dropFiles(w.get(), {text}));
        QTRY_VERIFY(statusWord(*w).contains(QStringLiteral("条件框")));
        QVERIFY(w->conditions() == before);
    }
};

SHRINK4_REGISTER_GUI_TEST(MainWindowDropTest)

#include "MainWindowDropTest.moc"
