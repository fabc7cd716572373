// 导入设置 in the history view, driven by keys and clicks: a text the automatic reading
// refuses (five-digit draws, a file with a date and a 试机号 column) is read through the
// preview as the player sets it, the layout is kept with the draws for the next start and
// for 走势, 还原 goes back to the automatic reading, and the panel's buttons stay put
// whatever the messages under the box say.

#include "DrawsCorpus.h"
#include "MainWindowTestSupport.h"

#include "ui/application/DrawsFile.h"
#include "ui/application/Settings.h"
#include "ui/history/DrawsImportDialog.h"
#include "ui/history/DrawsPreviewTable.h"
#include "ui/history/HistoryWindow.h"
#include "ui/trends/TrendsWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

using namespace shrink4;
using namespace shrink4::test;

namespace {

const QString kFiveDigits = QStringLiteral("期号 开奖号码\n2024001 12345\n2024002 67890\n2024003 00731\n");
// A date, the issue, the number, the 试机号 and the sales of each draw, newest first.
const QString kColumns = QStringLiteral(
    "开奖日期,期号,开奖号码,试机号,销量\n2024-01-10,2024010,5678,0567,25678900\n"
    "2024-01-09,2024009,1234,8901,24110000\n");

HistoryWindow* openHistory(MainWindow& w)
{
    w.findChild<QAction*>(QStringLiteral("action_history"))->trigger();
    auto* history = w.findChild<HistoryWindow*>();
    return history && QTest::qWaitForWindowExposed(history) ? history : nullptr;
}

QStringList drawsInForce(QWidget* history)
{
    auto* table = control<QTableView>(history, QStringLiteral("history_table"));
    QStringList draws;
    for (int r = table->model()->rowCount(); r-- > 0;)
        draws << table->model()->index(r, 0).data().toString() + QLatin1Char(' ')
                     + table->model()->index(r, 1).data().toString();
    return draws;
}

QString layoutLine(QWidget* history)
{
    auto* line = control<QLabel>(history, QStringLiteral("history_layout"));
    return line->isVisibleTo(history) ? line->text() : QString();
}

// What the preview's table shows a line read as: "2024001 2345", "✗ …" or "（跳过）".
QString previewRead(DrawsPreviewTable* table, int line)
{
    const QString label = table->item(line, 0)->text();
    const QString number = table->item(line, 1)->text();
    return number.isEmpty() ? label : label + QLatin1Char(' ') + number;
}

struct Refusal {
    QString text;
    int count = 0;
};

// Runs `action`; the refusal it brings is answered with its 导入设置… (else OK) and the
// preview that opens is handed to `inPreview`, which ends it.
Refusal throughPreview(const std::function<void()>& action, const std::function<void(DrawsImportDialog*)>& inPreview,
                       bool openFromRefusal = true)
{
    Refusal seen;
    QPointer<QDialog> handled;
    bool busy = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (busy)
            return;
        busy = true;
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen.text = box->text();
            ++seen.count;
            auto* settings = box->findChild<QAbstractButton*>(QStringLiteral("refusal_import_settings"));
            (openFromRefusal && settings ? settings : box->button(QMessageBox::Ok))->click();
        } else if (auto* preview = qobject_cast<DrawsImportDialog*>(modal); preview && preview != handled) {
            handled = preview;
            if (QTest::qWaitForWindowActive(preview))
                inPreview(preview);
            if (preview->isVisible()) // a failed check left it open
                preview->reject();
        }
        busy = false;
    });
    poll.start();
    action();
    poll.stop();
    return seen;
}

void paste(QWidget* history, const QString& text)
{
    QApplication::clipboard()->setText(text);
    auto* box = control<TextBox>(history, QStringLiteral("history_draws"));
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

void pressButton(QWidget* window, const char* name)
{
    QTest::mouseClick(button(window, QString::fromLatin1(name)), Qt::LeftButton);
}

// Sets the role of a column as a keyboard player does: Alt+C to the table, to the top of
// the column, F2 to its chooser, then up or down until it shows `role`.
void chooseRole(DrawsImportDialog* preview, int column, const QString& role)
{
    auto* table = preview->findChild<DrawsPreviewTable*>();
    QTest::keyClick(preview, Qt::Key_C, Qt::AltModifier);
    QTest::keyClick(table, Qt::Key_Home, Qt::ControlModifier);
    for (int c = 0; c < column + 2; ++c) // past the two columns of what is read
        QTest::keyClick(table, Qt::Key_Right);
    QTest::keyClick(table, Qt::Key_F2);
    QComboBox* chooser = table->roleChooser(column);
    QVERIFY(chooser->hasFocus());
    for (int i = 0; i < chooser->count() && chooser->currentText() != role; ++i)
        QTest::keyClick(chooser, chooser->findText(role) > chooser->currentIndex() ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(chooser->currentText(), role);
}

} // namespace

class DrawsImportTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void cleanup() { Settings().setDrawsLayout({}); }

    // Every file of the draws corpus, read as the window reads it with its layout kept in
    // the settings, gives the draws the command line gives.
    void corpusFilesReadAsTheCommandLineReadsThem()
    {
        const auto files = testing::drawsCorpus();
        QVERIFY(files.size() >= 15);
        for (const testing::CorpusFile& f : files) {
            Settings().setDrawsLayout(testing::corpusLayout(f.options));
            const DrawsFileText file = readDrawsFile(f.path);
            const QString read = file.text ? testing::corpusText(readWindowDraws(*file.text)) : QStringLiteral("error");
            QVERIFY2(read == f.expected, qPrintable(f.path + QStringLiteral(": ") + read));
        }
        // Past the command line's limit the window refuses a file too, rather than read it on
        // its own thread.
        QTemporaryDir dir;
        QFile huge(dir.filePath(QStringLiteral("huge.txt")));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(kMaxDrawsBytes + 1));
        huge.close();
        const DrawsFileText refused = readDrawsFile(huge.fileName());
        QVERIFY(!refused.text && refused.message.contains(QStringLiteral("8 MB")));
    }

    // Refused automatically, five-digit draws are read as 前四 or 后四 of the preview; the
    // draws and the layout come back at the next start and in 走势; one undo takes both back.
    void fiveDigitDrawsAreReadAsThePlayerSays()
    {
        const QString kept = m_dir.filePath(QStringLiteral("five/draws.txt"));
        auto w = makeWindow();
        w->setDrawsFile(kept);
        HistoryWindow* history = openHistory(*w);
        paste(history, QStringLiteral("2024100 1111\n"));
        pressButton(history, "history_apply");

        paste(history, kFiveDigits);
        const Refusal refusal =
            throughPreview([&] { pressButton(history, "history_apply"); },
                           [](DrawsImportDialog* preview) {
                               auto* table = preview->findChild<DrawsPreviewTable*>();
                               auto* digits = preview->findChild<QSpinBox*>(QStringLiteral("import_digits"));
                               QCOMPARE(digits->value(), 5); // as the refusal found
                               QTest::keyClick(preview, Qt::Key_Q, Qt::AltModifier);
                               auto* take = preview->findChild<QComboBox*>(QStringLiteral("import_take"));
                               QVERIFY(take->hasFocus());
                               QTest::keyClick(take, Qt::Key_Home);
                               QCOMPARE(take->currentText(), QStringLiteral("前四"));
                               QCOMPARE(previewRead(table, 2), QStringLiteral("2024001 1234"));
                               QTest::keyClick(take, Qt::Key_End);
                               QCOMPARE(take->currentText(), QStringLiteral("后四"));
                               QCOMPARE(previewRead(table, 2), QStringLiteral("2024001 2345"));
                               QCOMPARE(previewRead(table, 1), QStringLiteral("（跳过）"));
                               QVERIFY(preview->findChild<QLabel*>(QStringLiteral("import_summary"))
                                           ->text()
                                           .contains(QStringLiteral("读出 3 期")));
                               QTest::keyClick(take, Qt::Key_Return);
                           });
        QCOMPARE(refusal.count, 1);
        QVERIFY2(refusal.text.contains(QStringLiteral("第 2 行末尾的号码有 5 位：如果是五位开奖号码")),
                 qPrintable(refusal.text));
        const QStringList fourOfFive = {"2024001 2345", "2024002 7890", "2024003 0731"};
        QCOMPARE(drawsInForce(history), fourOfFive);
        QCOMPARE(layoutLine(history), QStringLiteral("读法：行末五位号码，取后四"));
        QFile file(kept);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), kFiveDigits); // the player's own text

        auto next = makeWindow();
        next->setDrawsFile(kept);
        HistoryWindow* again = openHistory(*next);
        QCOMPARE(drawsInForce(again), fourOfFive);
        QCOMPARE(layoutLine(again), QStringLiteral("读法：行末五位号码，取后四"));
        next->findChild<QAction*>(QStringLiteral("action_trends"))->trigger();
        auto* trends = next->findChild<TrendsWindow*>();
        QVERIFY(trends && QTest::qWaitForWindowExposed(trends));
        auto* grid = control<QTableView>(trends, QStringLiteral("trends_grid_1"));
        QCOMPARE(grid->model()->rowCount(), 3);
        QCOMPARE(grid->model()->headerData(0, Qt::Vertical).toString(), QStringLiteral("2024001  2345"));

        // The earlier draws and the automatic reading, in one step.
        QTest::mouseClick(button(history, QStringLiteral("C_undo_notice")), Qt::LeftButton);
        QCOMPARE(drawsInForce(history), QStringList{"2024100 1111"});
        QCOMPARE(layoutLine(history), QString());
        QVERIFY(Settings().drawsLayout().automatic());
    }

    // A date, issue, number, 试机号 and sales file: the player gives the issue and the
    // number their columns in the table. With those draws in force 还原读法 cannot read them
    // and changes nothing; 还原 in the preview of a plain text reads it the automatic way.
    void columnsAreChosenInTheTable()
    {
        auto w = makeWindow();
        HistoryWindow* history = openHistory(*w);
        paste(history, kColumns);
        QString summary;
        const Refusal refusal =
            throughPreview([&] { pressButton(history, "history_apply"); },
                           [&](DrawsImportDialog* preview) {
                               auto* table = preview->findChild<DrawsPreviewTable*>();
                               QCOMPARE(table->lineColumns(), 5);
                               QCOMPARE(table->item(2, 2 + 3)->text(), QStringLiteral("0567")); // after the two read
                               chooseRole(preview, 1, QStringLiteral("期号"));
                               // The others are unused until chosen: no number yet.
                               QCOMPARE(table->roleChooser(2)->currentText(), QStringLiteral("不用"));
                               QVERIFY(!button(preview, QStringLiteral("import_reset"))->isHidden());
                               chooseRole(preview, 2, QStringLiteral("号码"));
                               QCOMPARE(previewRead(table, 2), QStringLiteral("2024010 5678"));
                               QCOMPARE(previewRead(table, 1), QStringLiteral("（跳过）"));
                               summary = preview->findChild<QLabel*>(QStringLiteral("import_summary"))->text();
                               QTest::keyClick(preview, Qt::Key_Return);
                           });
        QVERIFY2(refusal.text.contains(QStringLiteral("号码后面还有一列别的数字（“0567,25678900”）")),
                 qPrintable(refusal.text));
        QCOMPARE(summary, QStringLiteral("按这个读法读出 2 期开奖号码（2024009 至 2024010）。"));
        QCOMPARE(drawsInForce(history), (QStringList{"2024009 1234", "2024010 5678"}));
        QCOMPARE(layoutLine(history), QStringLiteral("读法：第2列期号、第3列号码"));

        const Refusal kept = throughPreview([&] { pressButton(history, "history_layout_reset"); },
                                            [](DrawsImportDialog* preview) { preview->reject(); }, false);
        QCOMPARE(kept.count, 1);
        QCOMPARE(drawsInForce(history), (QStringList{"2024009 1234", "2024010 5678"}));
        QCOMPARE(layoutLine(history), QStringLiteral("读法：第2列期号、第3列号码"));

        paste(history, QStringLiteral("2024020 1 1 1 1\n2024021 2 2 2 2\n"));
        const Refusal plain =
            throughPreview([&] { pressButton(history, "history_apply"); },
                           [](DrawsImportDialog* preview) {
                               QTest::keyClick(preview, Qt::Key_D, Qt::AltModifier);
                               auto* table = preview->findChild<DrawsPreviewTable*>();
                               // A button's mnemonic clicks it a moment later.
                               QTRY_COMPARE(table->roleChooser(0)->currentText(), QStringLiteral("自动"));
                               QCOMPARE(previewRead(table, 1), QStringLiteral("2024020 1111"));
                               QTest::keyClick(preview, Qt::Key_Return);
                           });
        QVERIFY2(plain.text.contains(QStringLiteral("第 1 行的号码列里有 1 个数字，应为 4 个")),
                 qPrintable(plain.text));
        QCOMPARE(drawsInForce(history), (QStringList{"2024020 1111", "2024021 2222"}));
        QCOMPARE(layoutLine(history), QString());
    }

    // Clicks aimed at 使用框中号码 land on it whatever the messages under the box say.
    void theButtonsStayPut()
    {
        auto w = makeWindow();
        HistoryWindow* history = openHistory(*w);
        const char* names[] = {"history_apply", "history_import", "history_revert", "history_import_settings"};
        const auto places = [&] {
            QList<QPoint> at;
            for (const char* name : names)
                at << button(history, QString::fromLatin1(name))->mapTo(history, QPoint());
            return at;
        };
        const QList<QPoint> before = places();
        QStringList bad;
        for (int i = 0; i < 12; ++i)
            bad << QStringLiteral("20240%1 12").arg(10 + i);
        paste(history, bad.join(u'\n'));
        QCOMPARE(answerMessageBoxes([&] { pressButton(history, "history_apply"); }).count, 1);
        QVERIFY(control<QListWidget>(history, QStringLiteral("history_bad_lines"))->isVisible());
        QCOMPARE(places(), before);
        paste(history, QStringLiteral("2024010 1234\n"));
        QCOMPARE(places(), before);
        pressButton(history, "history_apply");
        QCOMPARE(drawsInForce(history), QStringList{"2024010 1234"});
        QCOMPARE(places(), before);
    }
};

SHRINK4_REGISTER_GUI_TEST(DrawsImportTest)
#include "DrawsImportTest.moc"
