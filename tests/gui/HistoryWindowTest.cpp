// The history view, driven as a player drives it: draws pasted or imported (a bad line
// imports nothing and is named), the last-N filter, the draws kept between starts, and
// the view following the main window's conditions. Rows, summary and charts are checked
// against the engine's backtest of the same conditions and draws.

#include "MainWindowTestSupport.h"
#include "SortArrow.h"

#include "core/TextScan.h"
#include "engine/Backtest.h"
#include "engine/Draws.h"
#include "engine/FilterRun.h"
#include "engine/PrizeOdds.h"
#include "engine/Statistics.h"
#include "scheme/Gb18030.h"
#include "scheme/PrizeTableFile.h"
#include "ui/application/PrizeSetting.h"
#include "ui/history/BacktestModel.h"
#include "ui/history/HistoryWindow.h"
#include "ui/widgets/charts/BarChart.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <numeric>

#include <sys/stat.h>

using namespace shrink4;
using namespace shrink4::test;

namespace {

// Five draws: 1234 fails the two-code kill, 5678 it and the sum tail, 9999 the sum tail,
// 3456 lies outside the pool; 0073 alone is listed.
const QString kDraws = QStringLiteral(
    "期号 号码\n2024001 1234\n2024002 5678\n2024003,0,0,7,3\n2024004 9999\n"
    "2024005 3456\n");

ConditionInputs someConditions()
{
    ConditionInputs in;
    in.killTwoCodes = "12 56";
    in.sumTails[6] = 1;
    in.basePool = "1234 5678 0073 9999";
    return in;
}

std::vector<Draw> drawsOf(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return readDraws(std::string_view(bytes.constData(), std::size_t(bytes.size()))).draws;
}

// A draw outside the pool says so where its count would stand: the run lists none of them.
// The money: what the listed numbers pay on the draw by the table in use, their cost, the net.
QStringList expectedRow(const DrawOutcome& o, const RunResult& run, const PrizeTable& prizes)
{
    const NumberSet listed = run.verdict.minus(run.outsidePool);
    const double paid = drawPayouts(listed, prizes).paid[std::size_t(o.draw.number)];
    const double cost = listed.count() * prizes.price;
    const double net = paid - cost;
    QStringList failed;
    for (const auto& key : o.explanation.failed)
        for (const auto& row : run.rows)
            if (rowKey(row) == key)
                failed << QString::fromUtf8(rowCaption(row).data(), qsizetype(rowCaption(row).size()));
    QString reason = failed.join(QStringLiteral("、"));
    if (!o.explanation.inPool)
        reason = reason.isEmpty() ? QStringLiteral("不在大底") : QStringLiteral("不在大底；不符：") + reason;
    return {QString::fromStdString(o.draw.label.value_or("—")),
            QString::fromStdString(numberText(o.draw.number)),
            o.explanation.listed ? QStringLiteral("✓") : QStringLiteral("✗"),
            o.explanation.inPool ? QString::number(o.explanation.failCount) : QStringLiteral("不在大底"),
            QString::number(paid, 'f', 0),
            QString::number(cost, 'f', 0),
            (net > 0 ? QStringLiteral("+") : QString()) + QString::number(net, 'f', 0),
            reason};
}

QStringList tableRow(QTableView* table, int row)
{
    QStringList cells;
    for (int c = 0; c < table->model()->columnCount(); ++c)
        cells << table->model()->index(row, c).data().toString();
    return cells;
}

HistoryWindow* openHistory(MainWindow& w)
{
    w.findChild<QAction*>(QStringLiteral("action_history"))->trigger();
    auto* history = w.findChild<HistoryWindow*>();
    if (history && !QTest::qWaitForWindowExposed(history))
        return nullptr;
    return history;
}

QTableView* table(QWidget* history)
{
    return control<QTableView>(history, QStringLiteral("history_table"));
}

QString summary(QWidget* history)
{
    return labelText(history, QStringLiteral("history_summary"));
}

TextBox* drawsBox(QWidget* history)
{
    return control<TextBox>(history, QStringLiteral("history_draws"));
}

// Pastes over whatever the box holds and presses 使用框中号码, answering any message.
MessageBoxSeen pasteDraws(QWidget* history, const QString& text)
{
    QApplication::clipboard()->setText(text);
    TextBox* box = drawsBox(history);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    return answerMessageBoxes(
        [history] { QTest::mouseClick(button(history, QStringLiteral("history_apply")), Qt::LeftButton); });
}

// Presses 导入文件…, puts `path` into the dialog and presses Return (an empty path
// cancels), then answers any message that follows. `startFolder` gets the folder the
// dialog opened in.
MessageBoxSeen importThroughDialog(QWidget* history, const QString& path, QString* startFolder = nullptr)
{
    MessageBoxSeen seen;
    QPointer<QFileDialog> typedInto;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen.text = box->text();
            ++seen.count;
            box->button(QMessageBox::Ok)->click();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            if (dialog == typedInto)
                return;
            typedInto = dialog;
            if (startFolder)
                *startFolder = dialog->directory().absolutePath();
            if (path.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->setDirectory(QFileInfo(path).absolutePath());
            // Set, not typed: typing opens Qt's completion list, which takes the Return.
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            name->setText(QFileInfo(path).fileName());
            QTimer::singleShot(0, name, [name] { QTest::keyClick(name, Qt::Key_Return); });
        }
    });
    poll.start();
    QTest::mouseClick(button(history, QStringLiteral("history_import")), Qt::LeftButton);
    poll.stop();
    return seen;
}

// As an input method hands over what was typed: full-width digits have no key of their own.
void commitTyped(QWidget* widget, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QList<qreal> barValues(QWidget* history, const char* chart, int set)
{
    const auto& parts = control<charts::BarChart>(history, QString::fromLatin1(chart))->parts();
    return parts.isEmpty() ? QList<qreal>{} : parts.at(set).values;
}

} // namespace

class HistoryWindowTest : public QObject {
    Q_OBJECT

    // The table, newest first, and the summary and charts against the engine.
    static void checkAgainstEngine(MainWindow& w, QWidget* history, std::vector<Draw> draws)
    {
        const RunResult run = filterRun(w.conditions());
        const Backtest expected = backtest(run, draws);
        QTableView* t = table(history);
        QCOMPARE(t->model()->rowCount(), int(draws.size()));
        for (int r = 0; r < t->model()->rowCount(); ++r)
            QCOMPARE(tableRow(t, r),
                     expectedRow(expected.outcomes[draws.size() - 1 - std::size_t(r)], run, w.prizes().table()));
        const auto& s = expected.summary;
        QVERIFY2(summary(history).contains(QStringLiteral("入选 %1 期").arg(s.listed)), qPrintable(summary(history)));
        QVERIFY(summary(history).contains(QStringLiteral("本方案 %1 注").arg(s.survivors)));
        QVERIFY(summary(history).contains(QStringLiteral("95% 把握在")));
        QVERIFY(summary(history).contains(QStringLiteral("是随机的")));
        QVERIFY(!labelText(history, QStringLiteral("history_verdict")).isEmpty());
        QVERIFY(summary(history).contains(
            QStringLiteral("最长连续未中 %1 期，当前连续未中 %2 期").arg(s.longestMissRun).arg(s.currentMissRun)));
        // Every draw in one of the bars' three parts: listed, failed, outside the pool.
        const auto sum = [&](int set) {
            const QList<qreal> bars = barValues(history, "history_timeline", set);
            return std::accumulate(bars.begin(), bars.end(), 0.0);
        };
        QCOMPARE(sum(0), qreal(s.listed));
        QCOMPARE(sum(2), qreal(s.outsidePool));
        QCOMPARE(sum(1), qreal(s.draws - s.listed - s.outsidePool));
        QList<qreal> rates;
        if (s.outsidePool > 0)
            rates << double(s.outsidePool) / double(s.draws) * 100.0;
        for (const auto& row : expected.rows)
            rates << row.rate * 100.0;
        QCOMPARE(barValues(history, "history_rates", 0), rates);
    }

    QTemporaryDir m_settings;

private slots:
    void initTestCase()
    {
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        // Named as the program names itself, so that the import folder is remembered,
        // in settings of this test's own.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
        QCoreApplication::setOrganizationName(QStringLiteral("shrink4-test"));
    }

    // Nothing remembered yet: the first import looks in the player's documents.
    void theFirstImportOpensInTheDocuments()
    {
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!QFileInfo(documents).isDir())
            QSKIP("this account has no documents folder");
        auto w = makeWindow();
        QString startFolder;
        QCOMPARE(importThroughDialog(openHistory(*w), QString(), &startFolder).count, 0);
        QCOMPARE(startFolder, QDir(documents).absolutePath());
    }

    void withoutDrawsItSaysHowToGiveThem()
    {
        auto w = makeWindow();
        HistoryWindow* history = openHistory(*w);
        QVERIFY(history);
        QCOMPARE(history->windowTitle(), QStringLiteral("历史回测"));
        QVERIFY(summary(history).contains(QStringLiteral("还没有开奖号码")));
        QCOMPARE(table(history)->model()->rowCount(), 0);
    }

    void pastedDrawsAreLookedUpInTheRun()
    {
        auto w = makeWindow();
        w->setConditions(someConditions());
        HistoryWindow* history = openHistory(*w);
        QCOMPARE(pasteDraws(history, kDraws).count, 0);
        checkAgainstEngine(*w, history, drawsOf(kDraws));
        // The expected picture of these draws, so that the comparison above compares something.
        // The example prize table: the one listed number, 0073, is drawn once (直选).
        QCOMPARE(tableRow(table(history), 2), (QStringList{"2024003", "0073", "✓", "0", "10000", "2", "+9998", ""}));
        QCOMPARE(tableRow(table(history), 0),
                 (QStringList{"2024005", "3456", "✗", "不在大底", "0", "2", "-2", "不在大底；不符：杀两码组合"}));
        QCOMPARE(tableRow(table(history), 3),
                 (QStringList{"2024002", "5678", "✗", "2", "0", "2", "-2", "杀两码组合、杀和尾"}));

        // An edit waits for 使用框中号码, and says so; 还原 takes it back.
        const QString applied = drawsBox(history)->toPlainText();
        QTest::keyClick(drawsBox(history), Qt::Key_9);
        QVERIFY(labelText(history, QStringLiteral("history_draws_status")).contains(QStringLiteral("后才生效")));
        QVERIFY(button(history, QStringLiteral("history_apply"))->isEnabled());
        QCOMPARE(table(history)->model()->rowCount(), 5);
        QTest::mouseClick(button(history, QStringLiteral("history_revert")), Qt::LeftButton);
        QCOMPARE(drawsBox(history)->toPlainText(), applied);
        QVERIFY(!labelText(history, QStringLiteral("history_draws_status")).contains(QStringLiteral("后才生效")));
        QVERIFY(!button(history, QStringLiteral("history_apply"))->isEnabled());
    }

    // The listed 0073 bought on every draw, by the example table: 10000 when it is drawn,
    // 1000 for 9073 (后三), 400 for 0307 (组选), nothing for 1234; 2 元 each draw. A new
    // table in 奖金设置 prices the draws again at once.
    void eachDrawShowsWhatTheListWouldHavePaid()
    {
        auto w = makeWindow();
        w->prizes().set(examplePrizeTable());
        w->setConditions(someConditions());
        HistoryWindow* history = openHistory(*w);
        QCOMPARE(pasteDraws(history, QStringLiteral("2024001 0073\n2024002 0307\n2024003 9073\n2024004 1234\n")).count,
                 0);
        QTableView* t = table(history);
        const auto money = [t](int row) { return tableRow(t, row).mid(BacktestModel::Paid, 3); };
        QCOMPARE(money(3), (QStringList{"10000", "2", "+9998"}));
        QCOMPARE(money(2), (QStringList{"400", "2", "+398"}));
        QCOMPARE(money(1), (QStringList{"1000", "2", "+998"}));
        QCOMPARE(money(0), (QStringList{"0", "2", "-2"}));
        QCOMPARE(t->model()->headerData(BacktestModel::Net, Qt::Horizontal).toString(), QStringLiteral("盈亏（元）"));
        // On average 0073 returns 2.34 元 a draw (1 + 9 × 0.1 + 11 × 0.04: it has 12 orders).
        QVERIFY2(
            summary(history).contains(QStringLiteral(
                "按奖金表“示例”，每期买这 1 注：投入 8 元，奖金 11400 元，盈亏 +11392 元；按期望回报算应为 +1.36 元")),
            qPrintable(summary(history)));

        // Largest net first, by a click on its header.
        QHeaderView* header = t->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(BacktestModel::Net) + 4, header->height() / 2));
        if (header->sortIndicatorOrder() == Qt::AscendingOrder)
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(BacktestModel::Net) + 4, header->height() / 2));
        QCOMPARE(tableRow(t, 0).at(BacktestModel::Net), QStringLiteral("+9998"));
        QCOMPARE(tableRow(t, 3).at(BacktestModel::Net), QStringLiteral("-2"));

        PrizeTable straight{"只买直选", 1, "元", {{"直选", PrizeMatch::exact, 0, 5000}}};
        w->prizes().set(straight);
        QVERIFY2(
            summary(history).contains(QStringLiteral(
                "按奖金表“只买直选”，每期买这 1 注：投入 4 元，奖金 5000 元，盈亏 +4996 元；按期望回报算应为 -2 元")),
            qPrintable(summary(history)));
        w->prizes().set(examplePrizeTable());
    }

    // 3400 fails no condition but lies outside the pool: it is no near miss. Its count says
    // so, it sorts after every count, and the chart and summary count it among the misses.
    void aDrawOutsideThePoolIsNoNearMiss()
    {
        auto w = makeWindow();
        w->setConditions(someConditions());
        HistoryWindow* history = openHistory(*w);
        QCOMPARE(pasteDraws(history, kDraws + QStringLiteral("2024006 3400\n")).count, 0);
        QTableView* t = table(history);
        QCOMPARE(tableRow(t, 0), (QStringList{"2024006", "3400", "✗", "不在大底", "0", "2", "-2", "不在大底"}));
        QVERIFY(summary(history).contains(QStringLiteral("2 期不在大底")));
        QCOMPARE(barValues(history, "history_timeline", 2), (QList<qreal>{0, 0, 0, 0, 1, 1}));

        // Fewest failures first, under a ▲: the draws outside the pool come last.
        QHeaderView* header = t->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(3) + 4, header->height() / 2));
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
        QVERIFY(ascendingArrowPointsUp(header, 3));
        QStringList counts;
        for (int r = 0; r < t->model()->rowCount(); ++r)
            counts << tableRow(t, r).at(3);
        QCOMPARE(counts, (QStringList{"0", "1", "1", "2", "不在大底", "不在大底"}));
    }

    // However narrow its column, a draw's whole reason is in its tooltip and, once the draw
    // is chosen, wrapped under the table.
    void theWholeReasonIsReadable()
    {
        auto w = makeWindow();
        ConditionInputs many = someConditions();
        many.spans[3] = many.sumTails[8] = 1; // 3456 fails these too
        w->setConditions(many);
        HistoryWindow* history = openHistory(*w);
        QCOMPARE(pasteDraws(history, kDraws).count, 0);
        QTableView* t = table(history);
        const QModelIndex reason = t->model()->index(0, BacktestModel::Failed); // 3456, outside the pool
        const QString whole = reason.data().toString();
        QVERIFY2(whole.startsWith(QStringLiteral("不在大底；不符：")) && whole.count(QChar(u'、')) >= 2,
                 qPrintable(whole));
        QCOMPARE(reason.data(Qt::ToolTipRole).toString(), whole);
        t->horizontalHeader()->resizeSection(BacktestModel::Failed, 40);
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualRect(t->model()->index(0, 1)).center());
        QCOMPARE(labelText(history, QStringLiteral("history_reason")), QStringLiteral("2024005 3456：") + whole);
    }

    void aBadTextImportsNothingAndNamesItsLine_data()
    {
        QTest::addColumn<QString>("from"); // "file", "paste" or "fifo"
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("named");
        const QString bad = QStringLiteral("2024006 1111\n2024007 2222\n\n2024008 12\n");
        const QString twice = QStringLiteral("2024006 1111\n2024007 2222\n2024006 3333\n");
        const QString none = QStringLiteral("期号 号码\n# 2024006 1111\n");
        QTest::newRow("file: a line without a number") << "file" << bad << "第 4 行读不出开奖号码";
        QTest::newRow("file: an issue drawn twice") << "file" << twice << "第 3 行的期号 2024006 在第 1 行已出现";
        QTest::newRow("file: no draw at all") << "file" << none << "没有开奖号码";
        QTest::newRow("file: a named pipe, never read") << "fifo" << QString() << "不是普通文件";
        QTest::newRow("pasted: a line without a number") << "paste" << bad << "第 4 行读不出开奖号码";
        QTest::newRow("pasted: headers only") << "paste" << none << "没有开奖号码";
        QTest::newRow("pasted: two draws on one line")
            << "paste" << QStringLiteral("2024006 1111\n2024007 2222 2024008 3333\n")
            << "第 2 行在期号 2024007 与行末号码之间还有数字";
    }
    void aBadTextImportsNothingAndNamesItsLine()
    {
        QFETCH(QString, from);
        QFETCH(QString, text);
        QFETCH(QString, named);
        QTemporaryDir dir;
        const QString kept = dir.filePath(QStringLiteral("data/draws.txt"));
        auto w = makeWindow();
        w->setDrawsFile(kept);
        w->setConditions(someConditions());
        HistoryWindow* history = openHistory(*w);
        QCOMPARE(pasteDraws(history, kDraws).count, 0);
        const QByteArray keptBefore = fileBytes(kept);

        MessageBoxSeen seen;
        const QString path = dir.filePath(QStringLiteral("new draws.txt"));
        if (from == QLatin1String("paste")) {
            seen = pasteDraws(history, text);
        } else {
            if (from == QLatin1String("fifo"))
                QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            else
                QVERIFY(writeFile(path, text.toUtf8()));
            seen = importThroughDialog(history, path);
        }
        QCOMPARE(seen.count, 1);
        QVERIFY2(seen.text.contains(named), qPrintable(seen.text));
        QVERIFY(seen.text.contains(QStringLiteral("没有导入任何号码")));
        QCOMPARE(fileBytes(kept), keptBefore);
        checkAgainstEngine(*w, history, drawsOf(kDraws));
    }

    // A file from a Chinese Windows tool (GB18030, CR LF) replaces the draws; 撤销 puts
    // the earlier ones back, in the view and in the kept file.
    void anImportReplacesTheDrawsUndoably()
    {
        QTemporaryDir dir;
        const QString kept = dir.filePath(QStringLiteral("draws.txt"));
        auto w = makeWindow();
        w->setDrawsFile(kept);
        w->setConditions(someConditions());
        HistoryWindow* history = openHistory(*w);
        QCOMPARE(pasteDraws(history, kDraws).count, 0);
        const QByteArray keptBefore = fileBytes(kept);

        const QString imported =
            QStringLiteral("开奖日期,期号,号码\r\n2024-01-10,2024010,5,6,7,8\r\n2024-01-09,2024009,1,2,3,4\r\n");
        const auto gb18030 = toGb18030(imported);
        QVERIFY(gb18030);
        const QString path = dir.filePath(QStringLiteral("gb18030 draws.csv"));
        QVERIFY(writeFile(path, *gb18030));
        QCOMPARE(importThroughDialog(history, path).count, 0);
        checkAgainstEngine(*w, history, drawsOf(imported));
        QVERIFY(drawsBox(history)->toPlainText().startsWith(QStringLiteral("开奖日期,期号,号码\n")));
        QVERIFY(fileBytes(kept).startsWith(QStringLiteral("开奖日期,期号,号码\n").toUtf8()));

        QTest::mouseClick(button(history, QStringLiteral("C_undo_notice")), Qt::LeftButton);
        checkAgainstEngine(*w, history, drawsOf(kDraws));
        QCOMPARE(fileBytes(kept), keptBefore);

        // The next import starts in the folder of this one, also in a new window.
        QString startFolder;
        QCOMPARE(importThroughDialog(openHistory(*makeWindow()), QString(), &startFolder).count, 0);
        QCOMPARE(startFolder, QFileInfo(path).absolutePath());
    }

    // A draws file dropped on the box imports as 导入文件 does; a scheme there is refused.
    void aDroppedDrawsFileImports()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("draws.txt"));
        QVERIFY(writeFile(path, kDraws.toUtf8()));
        const QString scheme = dir.filePath(QStringLiteral("mine.json"));
        QVERIFY(writeFile(scheme, "{}"));
        auto w = makeWindow();
        w->setConditions(someConditions());
        HistoryWindow* history = openHistory(*w);

        const MessageBoxSeen refused = answerMessageBoxes([&] {
            QVERIFY(dropFiles(drawsBox(history)->viewport(), {scheme}));
            QTest::qWait(300);
        });
        QVERIFY(refused.text.contains(QStringLiteral("主窗口")));
        QCOMPARE(drawsBox(history)->toPlainText(), QString());

        QVERIFY(dropFiles(drawsBox(history)->viewport(), {path}));
        QTRY_COMPARE(drawsBox(history)->toPlainText(), kDraws);
        checkAgainstEngine(*w, history, drawsOf(kDraws));
    }

    // Saved as Windows tools save it (UTF-16 with a mark, GB18030) or with CR alone ending
    // its lines, a file gives the text and the rows its UTF-8 twin gives.
    void everySavedFormImportsAlike()
    {
        QTemporaryDir dir;
        auto w = makeWindow();
        w->setConditions(someConditions());
        HistoryWindow* history = openHistory(*w);
        const QString text = QStringLiteral("期号 号码\n第2024009期 1234\n第2024010期 0073\n");
        QStringEncoder utf16le(QStringConverter::Utf16LE, QStringEncoder::Flag::WriteBom);
        QStringEncoder utf16be(QStringConverter::Utf16BE, QStringEncoder::Flag::WriteBom);
        const QByteArray saved[] = {utf16le.encode(text), utf16be.encode(text), toGb18030(text).value_or(""),
                                    QString(text).replace(u'\n', u'\r').toUtf8()};
        for (const QByteArray& bytes : saved) {
            QCOMPARE(pasteDraws(history, kDraws).count, 0); // other draws first, for the import to replace
            const QString path = dir.filePath(QStringLiteral("draws.txt"));
            QVERIFY(writeFile(path, bytes));
            QCOMPARE(importThroughDialog(history, path).count, 0);
            QCOMPARE(drawsBox(history)->toPlainText(), text);
            checkAgainstEngine(*w, history, drawsOf(text));
        }
    }

    void theLastNDrawsOnly()
    {
        auto w = makeWindow();
        w->setConditions(someConditions());
        HistoryWindow* history = openHistory(*w);
        QCOMPARE(pasteDraws(history, kDraws).count, 0);
        const std::vector<Draw> all = drawsOf(kDraws);
        auto* last = control<QSpinBox>(history, QStringLiteral("history_last"));
        QCOMPARE(last->text(), QStringLiteral("全部"));
        struct Step {
            QString typed;
            std::size_t shown;
            int value;
        };
        // Typed over the whole box: a count, more than there are, 0, nothing, and counts
        // from a Chinese input method in full-width mode.
        const Step steps[] = {
            {"2", 2, 2}, {"9", 5, 9}, {"3", 3, 3}, {"0", 5, 0}, {"", 5, 0}, {"\uFF12", 2, 2}, {"\uFF13\uFF10", 5, 30}};
        for (const Step& step : steps) {
            QTest::mouseClick(last, Qt::LeftButton);
            QTest::keyClick(last, Qt::Key_A, Qt::ControlModifier);
            if (step.typed.isEmpty())
                QTest::keyClick(last, Qt::Key_Delete);
            else if (step.typed.at(0).unicode() < 0x80)
                QTest::keyClicks(last, step.typed);
            else
                commitTyped(last, step.typed);
            QCOMPARE(last->value(), step.value);
            checkAgainstEngine(*w, history, {all.end() - std::ptrdiff_t(step.shown), all.end()});
            if (step.shown < all.size())
                QVERIFY(summary(history).contains(QStringLiteral("回测最近 %1 期（共 5 期）").arg(step.shown)));
        }
    }

    // Every bad line is listed, quoted with its number (the first 50, then how many more),
    // and a click selects it in the box; mending lines takes them off the list. A bad
    // file is put into the box to be mended the same way.
    void everyBadLineIsListedAndSelectable()
    {
        QTemporaryDir dir;
        auto w = makeWindow();
        w->setConditions(someConditions());
        HistoryWindow* history = openHistory(*w);
        QCOMPARE(pasteDraws(history, kDraws).count, 0);
        QStringList lines = {QStringLiteral("期号 号码")};
        for (int i = 1; i <= 60; ++i)
            lines
                << QStringLiteral("20240%1 %2").arg(10 + i).arg(i % 2 ? QStringLiteral("12") : QStringLiteral("3456"));
        lines[3] = QStringLiteral("2024013 1111 2024014 2222 第十四期写在了同一行");
        lines << QStringLiteral("2024071 7777") << QStringLiteral("2024071 8888");
        const QString text = lines.join(u'\n');

        const MessageBoxSeen seen = pasteDraws(history, text);
        QCOMPARE(seen.count, 1);
        QVERIFY2(seen.text.contains(QStringLiteral("共有 31 行有误")), qPrintable(seen.text));
        auto* list = control<QListWidget>(history, QStringLiteral("history_bad_lines"));
        QVERIFY(list->isVisible());
        QCOMPARE(list->count(), 31);
        QCOMPARE(list->item(0)->text(), QStringLiteral("第 2 行“2024011 12”：行末不是四位号码"));
        QCOMPARE(list->item(1)->text(),
                 QStringLiteral("第 4 行“2024013 1111 2024014 22…”：期号 2024013 与行末号码之间还有数字"));
        QCOMPARE(list->item(30)->text(),
                 QStringLiteral("第 63 行“2024071 8888”：期号 2024071 在第 62 行已出现，号码不同"));
        QCOMPARE(list->item(31), nullptr);
        QCOMPARE(table(history)->model()->rowCount(), 5); // nothing imported

        // More than fifty: the rest are counted.
        QStringList many;
        for (int i = 0; i < 70; ++i)
            many << QStringLiteral("2024%1 12").arg(100 + i);
        QCOMPARE(pasteDraws(history, many.join(u'\n')).count, 1);
        QCOMPARE(list->count(), 51);
        QCOMPARE(list->item(50)->text(), QStringLiteral("另有 20 行有误"));

        // A click selects the line in the box, ready to be typed over.
        history->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(history));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
        TextBox* box = drawsBox(history);
        QCOMPARE(box->selectedText(), QStringLiteral("2024102 12"));
        QTRY_VERIFY(box->hasFocus());
        QTest::keyClicks(box, QStringLiteral("2024102 1234"));
        QTRY_COMPARE(list->item(50)->text(), QStringLiteral("另有 19 行有误"));
        QCOMPARE(list->item(2)->text(), QStringLiteral("第 4 行“2024103 12”：行末不是四位号码"));

        // A bad file goes into the box, its lines listed as the box's.
        const QString path = dir.filePath(QStringLiteral("开奖.txt"));
        QVERIFY(writeFile(path, QByteArray("2024001 1234\r\n2024002 12\r\n")));
        const MessageBoxSeen imported = importThroughDialog(history, path);
        QVERIFY2(imported.text.contains(QStringLiteral("已放入框中")), qPrintable(imported.text));
        QCOMPARE(box->toPlainText(), QStringLiteral("2024001 1234\n2024002 12\n"));
        QCOMPARE(list->count(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        QCOMPARE(box->selectedText(), QStringLiteral("2024002 12"));
        QCOMPARE(table(history)->model()->rowCount(), 5);

        // Once the draws apply, the list goes.
        QTest::keyClicks(box, QStringLiteral("2024002 5678"));
        QTest::mouseClick(button(history, QStringLiteral("history_apply")), Qt::LeftButton);
        QVERIFY(list->isHidden());
        QCOMPARE(table(history)->model()->rowCount(), 2);
    }

    // Kept in the data folder: the next window starts with them. A kept file with a bad
    // line is shown for mending and left as it is; a file that cannot be written says so
    // and the draws still count for now.
    void drawsAreKeptBetweenStarts()
    {
        QTemporaryDir dir;
        const QString kept = dir.filePath(QStringLiteral("data/draws.txt"));
        {
            auto first = makeWindow();
            first->setDrawsFile(kept);
            QCOMPARE(pasteDraws(openHistory(*first), kDraws).count, 0);
        }
        auto second = makeWindow();
        second->setDrawsFile(kept);
        second->setConditions(someConditions());
        HistoryWindow* history = openHistory(*second);
        checkAgainstEngine(*second, history, drawsOf(kDraws));
        QVERIFY(
            labelText(history, QStringLiteral("history_draws_status")).contains(QStringLiteral("2024001 至 2024005")));

        const QByteArray broken = "2024001 1234\n2024002 567\n";
        QVERIFY(writeFile(kept, broken));
        auto third = makeWindow();
        third->setDrawsFile(kept);
        history = openHistory(*third);
        QCOMPARE(table(history)->model()->rowCount(), 0);
        QVERIFY(labelText(history, QStringLiteral("history_draws_status")).contains(QStringLiteral("第 2 行")));
        QCOMPARE(drawsBox(history)->toPlainText(), QString::fromUtf8(broken));
        QCOMPARE(fileBytes(kept), broken);

        const QString blocked = dir.filePath(QStringLiteral("a file/draws.txt"));
        QVERIFY(writeFile(dir.filePath(QStringLiteral("a file")), "x"));
        auto fourth = makeWindow();
        fourth->setDrawsFile(blocked);
        history = openHistory(*fourth);
        const MessageBoxSeen seen = pasteDraws(history, kDraws);
        QCOMPARE(seen.count, 1);
        QVERIFY2(seen.text.contains(QStringLiteral("未能保存")), qPrintable(seen.text));
        QCOMPARE(table(history)->model()->rowCount(), 5);
    }

    // One hit says little: the summary gives the rate's interval beside a random pick's rate
    // and the lift, and says plainly when the interval covers it, as the rule test does.
    // Over fewer than 30 draws the verdict and every condition's bar say they are too few.
    void aSingleHitComesWithItsIntervalAndVerdict()
    {
        auto w = makeWindow();
        ConditionInputs pool;
        QStringList numbers;
        for (int n = 0; n < 100; ++n)
            numbers << QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
        pool.basePool = numbers.join(u' ').toStdString();
        pool.sumTails[9] = 1; // 10 of the pool: 90 numbers, a random pick lists 0.9 %
        w->setConditions(pool);
        HistoryWindow* history = openHistory(*w);
        QString draws;
        for (int i = 1; i <= 40; ++i)
            draws += QStringLiteral("2024%1 %2\n")
                         .arg(i, 3, 10, QLatin1Char('0'))
                         .arg(i == 20 ? QStringLiteral("0042") : QStringLiteral("5555"));
        QCOMPARE(pasteDraws(history, draws).count, 0);
        // 1 of 40: Wilson's 95 % interval is 0.443 % to 12.88 %.
        QVERIFY2(summary(history).contains(QStringLiteral(
                     "入选 1 期，命中率 2.5%，95% 把握在 0.44%–13% 之间；随机选同样注数为 0.9%，是随机的 2.8\u00A0倍")),
                 qPrintable(summary(history)));
        const QString verdict = labelText(history, QStringLiteral("history_verdict"));
        QCOMPARE(verdict, QStringLiteral("本方案在历史上没有显示出优势。"));
        auto* rates = control<charts::BarChart>(history, QStringLiteral("history_rates"));
        QVERIFY(!rates->unsureBars().contains(true));

        // Five draws and one hit: the interval clears the 0.01 % of a single number, but
        // five draws judge nothing.
        w->setConditions(someConditions());
        QCOMPARE(pasteDraws(history, kDraws).count, 0);
        QVERIFY2(
            summary(history).contains(QStringLiteral("命中率 20%，95% 把握在 3.6%–62% 之间；随机选同样注数为 0.01%")),
            qPrintable(summary(history)));
        QCOMPARE(labelText(history, QStringLiteral("history_verdict")),
                 QStringLiteral("只回测了 5 期：少于 30 期，不足以判断。"));
        QCOMPARE(rates->unsureBars(), QList<bool>(rates->captions().size(), true));
        QVERIFY(rates->title().contains(QStringLiteral("少于 30 期，不足以判断")));
    }

    // Ticking a condition in the main window changes the view without pressing start;
    // a scheme that lists nothing shows no lift.
    void followsTheConditions()
    {
        auto w = makeWindow();
        w->setConditions(someConditions());
        HistoryWindow* history = openHistory(*w);
        QCOMPARE(pasteDraws(history, kDraws).count, 0);
        QCOMPARE(tableRow(table(history), 2).at(2), QStringLiteral("✓"));

        w->activateWindow();
        QCheckBox* tailZero = check(w.get(), "Check_hewei_sha", 0);
        QTest::mouseClick(tailZero, Qt::LeftButton, {}, QPoint(4, tailZero->height() / 2));
        QVERIFY(tailZero->isChecked());
        QTRY_COMPARE(tableRow(table(history), 2).at(2), QStringLiteral("✗"));
        checkAgainstEngine(*w, history, drawsOf(kDraws));
        QVERIFY(summary(history).contains(QStringLiteral("本方案 0 注")));
        QVERIFY(summary(history).contains(QStringLiteral("是随机的 —\u00A0倍")));
        QVERIFY(summary(history).contains(QStringLiteral("没有号码入选")));
    }
};

SHRINK4_REGISTER_GUI_TEST(HistoryWindowTest)
#include "HistoryWindowTest.moc"
