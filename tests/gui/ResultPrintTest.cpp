// The result leaves the window printed and as an Excel workbook: both read back hold the
// scheme, every number with its leading zeros and the conditions behind them.
#include "FileSizeLimit.h"
#include "MainWindowTestSupport.h"

#include "ui/application/TableExport.h"
#include "ui/widgets/QtText.h"
#include "ui/print/ResultPrint.h"
#include "ui/print/ResultReport.h"

#include <QAction>
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/mount.h>
#include <unistd.h>

using namespace shrink4;
using namespace shrink4::test;

namespace {

// Runs program on args and returns what it printed; fails the test when it cannot.
QString outputOf(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qWarning("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Every four-digit group of a text, in order.
QStringList numbersIn(const QString& text)
{
    QStringList found;
    for (const auto& match : QRegularExpression(QStringLiteral("\\b\\d{4}\\b")).globalMatch(text))
        found << match.captured();
    return found;
}

// A pool of 700 numbers, 0000 among them, minus the one killed: several printed pages.
void runWithAPool(MainWindow* w)
{
    QStringList pool;
    for (int n = 0; n < 700; ++n)
        pool << QStringLiteral("%1").arg(n * 13, 4, 10, QLatin1Char('0'));
    setPlainText(w, QStringLiteral("T_dadi_nb"), pool.join(QLatin1Char(' ')));
    setPlainText(w, QStringLiteral("T_main_shazhixuan"), QStringLiteral("0013 12"));
    button(w, QStringLiteral("C_guolv_ks"))->click();
}

QStringList expectedNumbers(const ResultReport& report)
{
    QStringList numbers;
    for (int n : report.numbers)
        numbers << fourDigits(n);
    return numbers;
}

// Runs an export and saves as `path`, answering the report that follows.
QString exportThroughDialog(const std::function<void()>& exportAction, const QString& path)
{
    QString said;
    QFileDialog* typedInto = nullptr;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            said = box->text();
            box->accept();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog && dialog != typedInto) {
            typedInto = dialog;
            typeFileName(dialog, QFileInfo(path).absolutePath(), QFileInfo(path).fileName());
        }
    });
    poll.start();
    exportAction();
    poll.stop();
    return said;
}

// The cells of a workbook as text: a line a row, cells by tabs, sheets headed "== name".
const char* const kReadBook = R"(
import sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
for sheet in book.worksheets:
    print('== ' + sheet.title)
    for row in sheet.iter_rows(values_only=True):
        print('\t'.join('' if v is None else (v if isinstance(v, str) else '#%d' % v) for v in row))
)";

} // namespace

class ResultPrintTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

    void printedPdfHoldsTheSchemeAndEveryNumber()
    {
        QTemporaryDir dir;
        auto w = makeWindow();
        runWithAPool(w.get());
        QVERIFY(w->saveScheme(dir.filePath(QStringLiteral("周三守号.json"))));
        const ResultReport report = w->resultReport();
        QCOMPARE(report.numbers.size(), std::size_t(699));

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(dir.filePath(QStringLiteral("result.pdf")));
        QVERIFY(renderResult(printer, report));

        const QString text = outputOf(QStringLiteral("pdftotext"),
                                      {QStringLiteral("-layout"), printer.outputFileName(), QStringLiteral("-")});
        QVERIFY2(text.contains(QStringLiteral("周三守号")), qPrintable(text.left(400)));
        QVERIFY(text.contains(QStringLiteral("共 699 注")));
        QVERIFY(text.contains(QStringLiteral("不足四位的数字被忽略"))); // the note on the short kill
        QStringList body; // the lines of numbers, without the header and footer of each page
        for (const QString& line : text.split(QLatin1Char('\n')))
            if (!line.contains(QStringLiteral("方案：")) && !line.contains(QStringLiteral("条件说明")))
                body << line;
        const QString numbers =
            body.join(QLatin1Char('\n')).remove(QRegularExpression(QStringLiteral("\\d{4}-\\d\\d-\\d\\d")));
        QCOMPARE(numbersIn(numbers), expectedNumbers(report)); // in order, 0000 with its zeros
        const int pages = text.count(QLatin1Char('\f'));
        QVERIFY2(pages >= 2, "700 numbers fill more than a page");
        QVERIFY(text.contains(QStringLiteral("第 %1 页，共 %1 页").arg(pages)));
    }

    // Where Windows has no printer, 打印 offers this: a name typed without .pdf gets it, and
    // the file holds the pages the printer would have had.
    void pdfSavedWithoutAPrinterHoldsThePages()
    {
        QTemporaryDir dir;
        auto w = makeWindow();
        runWithAPool(w.get());
        const ResultReport report = w->resultReport();
        const QString said =
            exportThroughDialog([&] { savePdf(w.get(), report); }, dir.filePath(QStringLiteral("shop")));
        const QString path = dir.filePath(QStringLiteral("shop.pdf"));
        QCOMPARE(said, QStringLiteral("已存为 PDF：\r\n%1").arg(QDir::toNativeSeparators(path)));

        const QString text =
            outputOf(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
        QVERIFY2(text.contains(QStringLiteral("共 699 注")), qPrintable(text.left(400)));
        QVERIFY(text.contains(QStringLiteral("第 1 页，共 ")));
    }

    // Before any run the report is empty: said so, as 导出结果 says it, with no page to print.
    // A PDF that cannot be written whole (a file-size limit, a full disk) is said to have
    // failed, naming the file, and the player's earlier PDF stays byte for byte; a scheme
    // named with %1 keeps its name on the page.
    void pdfThatCannotBeWrittenWholeLeavesTheOldOne()
    {
        QTemporaryDir dir;
        auto w = makeWindow();
        runWithAPool(w.get());
        // A scheme named with %1 and %4 keeps its name in the title and on the page.
        QVERIFY(w->saveScheme(dir.filePath(QStringLiteral("杀号%1%4.json"))));
        QVERIFY2(w->windowTitle().startsWith(QStringLiteral("杀号%1%4.json")), qPrintable(w->windowTitle()));
        const ResultReport report = w->resultReport();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QByteArray old = QByteArray("%PDF-1.4 the player's earlier result\n").repeated(100);
        const auto failsKeepingOld = [&](const QString& path) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
            file.close();
            printer.setOutputFileName(path);
            QString reason;
            {
                std::unique_ptr<FileSizeLimit> limit;
                if (!path.contains(QStringLiteral("full")))
                    limit = std::make_unique<FileSizeLimit>(rlim_t(old.size() + 4096));
                QVERIFY(!renderResult(printer, report, &reason));
            }
            QVERIFY2(reason.contains(QDir::toNativeSeparators(path)), qPrintable(reason));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), old);
        };
        failsKeepingOld(dir.filePath(QStringLiteral("结果.pdf")));
        // A disk really full, where a mount can be made (as root): 4 KB left after the old file.
        const QString full = dir.filePath(QStringLiteral("full"));
        QVERIFY(QDir().mkpath(full));
        if (geteuid() == 0 && mount("tmpfs", full.toLocal8Bit().constData(), "tmpfs", 0, "size=64k") == 0) {
            QFile filler(full + QStringLiteral("/filler"));
            QVERIFY(filler.open(QIODevice::WriteOnly));
            filler.write(QByteArray(64 * 1024 - old.size() - 4096, 'x'));
            filler.close();
            failsKeepingOld(full + QStringLiteral("/结果.pdf"));
            QVERIFY(umount(full.toLocal8Bit().constData()) == 0);
        }
        printer.setOutputFileName(dir.filePath(QStringLiteral("new.pdf")));
        QVERIFY(renderResult(printer, report));
        const QString text = outputOf(QStringLiteral("pdftotext"), {printer.outputFileName(), QStringLiteral("-")});
        QVERIFY2(text.contains(QStringLiteral("方案：杀号%1%4")), qPrintable(text.left(200)));
        QVERIFY(text.contains(QStringLiteral("共 699 注")));
    }

    // A table's CSV opens in a spreadsheet as shown: a text that starts like a formula stays
    // text, a bare CR stays inside its cell, numbers stay numbers.
    void tableCsvKeepsTextsAsText()
    {
        Sheet sheet;
        sheet.header = {QStringLiteral("条件"), QStringLiteral("差")};
        sheet.rows = {{QStringLiteral("=HYPERLINK(\"x\")"), -5},
                      {QStringLiteral("a\rb"), 1.5},
                      {QStringLiteral("@SUM"), QStringLiteral("-2")}};
        const QByteArray csv = csvOf(sheet);
        QCOMPARE(csv, QByteArray("\xEF\xBB\xBF条件,差\r\n\"=\"\"=HYPERLINK(\"\"\"\"x\"\"\"\")\"\"\",-5\r\n"
                                 "\"a\rb\",1.5\r\n\"=\"\"@SUM\"\"\",\"=\"\"-2\"\"\"\r\n"));
    }

    void nothingToPrintBeforeARun()
    {
        auto w = makeWindow();
        for (const auto& show : {printResult, previewResult}) {
            QStringList seen;
            QTimer poll;
            poll.setInterval(10);
            QObject::connect(&poll, &QTimer::timeout, [&] {
                if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                    seen << modal->metaObject()->className();
                    modal->reject();
                }
            });
            poll.start();
            show(w.get(), w->resultReport());
            QCOMPARE(seen, QStringList{QStringLiteral("QMessageBox")});
        }
    }

    void exportedWorkbookKeepsLeadingZerosAndTheConditions()
    {
        QTemporaryDir dir;
        auto w = makeWindow();
        runWithAPool(w.get());
        const QString path = dir.filePath(QStringLiteral("result.xlsx"));
        const auto exportResult = [&] { w->findChild<QAction*>(QStringLiteral("action_export_result"))->trigger(); };
        QVERIFY(exportThroughDialog(exportResult, path).startsWith(QStringLiteral("已导出 699 注")));

        const QString book =
            outputOf(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QLatin1String(kReadBook), path});
        const QStringList sheets = book.split(QStringLiteral("== "), Qt::SkipEmptyParts);
        QCOMPARE(sheets.size(), 2);
        QStringList rows = sheets[0].split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(rows.takeFirst(), QStringLiteral("号码"));
        QCOMPARE(rows.takeFirst(), QStringLiteral("序号\t直选号码"));
        QStringList numbers;
        for (const QString& row : rows)
            numbers << row.section(QLatin1Char('\t'), 1);
        QCOMPARE(numbers, expectedNumbers(w->resultReport()));
        QCOMPARE(rows.first(), QStringLiteral("#1\t0000"));
        QVERIFY(sheets[1].startsWith(QStringLiteral("条件\n")));
        QVERIFY(sheets[1].contains(QStringLiteral("不足四位的数字被忽略")));
        QVERIFY2(sheets[1].contains(QStringLiteral("#1\t杀直选号码\t#1\t#1\t#")), qPrintable(sheets[1]));
    }

    // The 统计 table as shown: its header, a row per condition, the counts as numbers.
    void statisticsTableExportsAsAWorkbook()
    {
        QTemporaryDir dir;
        auto w = makeWindow();
        runWithAPool(w.get());
        setPlainText(w.get(), QStringLiteral("T_main_sha_2ma"), QStringLiteral("12"));
        w->findChild<QAction*>(QStringLiteral("action_stats"))->trigger();
        auto* stats = control<QWidget>(w.get(), QStringLiteral("Ftongji"));
        const QString path = dir.filePath(QStringLiteral("stats"));
        const auto exportTable = [&] { button(stats, QStringLiteral("tongji_export"))->click(); };
        QVERIFY(exportThroughDialog(exportTable, path).startsWith(QStringLiteral("已导出 2 行")));

        const QString book = outputOf(QStringLiteral("/usr/bin/python3"),
                                      {QStringLiteral("-c"), QLatin1String(kReadBook), path + ".xlsx"});
        QStringList rows = book.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(rows.value(0), QStringLiteral("== 统计"));
        QCOMPARE(rows.value(1), QStringLiteral("序\t条件\t删除\t大底内删除\t仅此删除"));
        QCOMPARE(rows.value(2), QStringLiteral("#1\t杀直选号码\t#1\t#1\t#1"));
        QCOMPARE(rows.size(), 4);
    }
};

SHRINK4_REGISTER_GUI_TEST(ResultPrintTest)

#include "ResultPrintTest.moc"
