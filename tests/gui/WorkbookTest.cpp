// Workbooks and their ZIP package as other programs read them: Python's zipfile checks
// the archive and openpyxl (the reader behind many spreadsheet tools) the cells.

#include "ui/application/ResultFile.h"
#include "ui/application/Workbook.h"
#include "ui/application/ZipPackage.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <numeric>

using namespace shrink4;

namespace {

// What the Python script printed, a line a list item; a warning when it failed.
QStringList pythonLines(const char* script, const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QLatin1String(script), path});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qWarning("python3 failed: %s", process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// testzip() first, then an entry a line: name, UTF-8 flag, method, size, packed size, time, SHA-1.
const char* const kReadZip = R"(
import sys, zipfile, hashlib
archive = zipfile.ZipFile(sys.argv[1])
print('testzip', archive.testzip())
for i in archive.infolist():
    data = archive.read(i)
    print('|'.join(str(x) for x in (i.filename, i.flag_bits & 0x800, i.compress_type, i.file_size,
                                     i.compress_size, '%d-%d-%d %d:%d:%d' % i.date_time,
                                     hashlib.sha1(data).hexdigest())))
)";

// Per sheet "== title widthA widthB", then a row a line ("-" when empty), its cells by tabs
// as "<type><b when bold> <number format> <value as JSON>", without the padding openpyxl adds.
const char* const kReadCells = R"(
import sys, json, zipfile, openpyxl
print('testzip', zipfile.ZipFile(sys.argv[1]).testzip())
book = openpyxl.load_workbook(sys.argv[1])
for sheet in book.worksheets:
    print('== %s %g %g' % (sheet.title, sheet.column_dimensions['A'].width, sheet.column_dimensions['B'].width))
    for row in sheet.iter_rows():
        cells = ['%s%s %s %s' % (c.data_type, 'b' if c.font.b else '', c.number_format,
                                 json.dumps(c.value, ensure_ascii=False)) for c in row]
        while cells and cells[-1] == 'n General null':
            cells.pop()
        print('\t'.join(cells) or '-')
)";

} // namespace

class WorkbookTest : public QObject {
    Q_OBJECT
private slots:
    void checksumIsZipsCrc32()
    {
        QCOMPARE(crc32("123456789"), 0xCBF43926u); // the standard check value
        QCOMPARE(crc32(""), 0u);
        QCOMPARE(crc32(QByteArray(1, '\0')), 0xD202EF8Du);
    }

    // Empty, Chinese-named, compressible and incompressible entries, and the time they carry.
    void packageOpensInZipfileAsWritten()
    {
        QByteArray noise(4096, Qt::Uninitialized);
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
        const QList<std::pair<QString, QByteArray>> entries = {
            {QStringLiteral("empty.txt"), {}},
            {QStringLiteral("说明/号码.txt"), "0123\r\n"},
            {QStringLiteral("xl/sheet.xml"), QByteArray("<row><c>0001</c></row>").repeated(10000)},
            {QStringLiteral("noise.bin"), noise}};
        ZipPackage package(QDateTime(QDate(2024, 5, 6), QTime(7, 8, 11)));
        for (const auto& [name, data] : entries)
            package.add(name, data);
        QString reason;
        const QByteArray archive = package.finish(&reason);
        QVERIFY2(!archive.isEmpty(), qPrintable(reason));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("package.zip"));
        QVERIFY(writeFile(path, archive));

        QStringList lines = pythonLines(kReadZip, path);
        QCOMPARE(lines.value(0), QStringLiteral("testzip None"));
        lines.removeFirst();
        QCOMPARE(lines.size(), entries.size());
        for (int i = 0; i < entries.size(); ++i) {
            const QStringList got = lines[i].split(QLatin1Char('|'));
            const QByteArray& data = entries[i].second;
            QCOMPARE(got.value(0), entries[i].first);
            QCOMPARE(got.value(1), QStringLiteral("2048")); // names in UTF-8
            QCOMPARE(got.value(3).toLongLong(), data.size());
            QCOMPARE(got.value(5), QStringLiteral("2024-5-6 7:8:10")); // DOS time counts two seconds
            QCOMPARE(got.value(6).toLatin1(), QCryptographicHash::hash(data, QCryptographicHash::Sha1).toHex());
        }
        QCOMPARE(lines[2].section(QLatin1Char('|'), 2, 2), QStringLiteral("8")); // deflated
        QVERIFY(lines[2].section(QLatin1Char('|'), 4, 4).toInt() < 2000);
        QCOMPARE(lines[3].section(QLatin1Char('|'), 2, 2), QStringLiteral("0")); // stored: deflate saves nothing
    }

    void cellsReadBackAsWritten()
    {
        Sheet numbers;
        numbers.name = QStringLiteral("号码");
        numbers.lead = {QStringLiteral("方案：周三")};
        numbers.header = {QStringLiteral("序号"), QStringLiteral("号码")};
        numbers.rows = {{1, QStringLiteral("0123")},
                        {2.5, QStringLiteral("a<&>\"b") + QChar(1) + QStringLiteral("c\r\nd")},
                        {qQNaN(), QStringLiteral(" 07 ")},
                        {},
                        {QString(), qulonglong(12345678901)}};
        numbers.columnWidths = {8, 12};
        QList<Sheet> sheets = {numbers};
        for (const QString& name : {QStringLiteral("a/b:c?"), QStringLiteral("A_B_C_"),
                                    QString(31, QChar(0x4E00)) + "尾", QStringLiteral("'引号'"), QString()})
            sheets.append(Sheet{name, {}, {}, {{name.size()}}, {}});
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("book.xlsx"));
        QString reason;
        QVERIFY2(writeWorkbook(path, sheets, &reason), qPrintable(reason));

        const QStringList lines = pythonLines(kReadCells, path);
        const QStringList expected = {
            QStringLiteral("testzip None"),
            QStringLiteral("== 号码 8.71094 12.7109"), // 8 and 12 digits wide, with Excel's padding
            QStringLiteral("s @ \"方案：周三\""),
            QStringLiteral("sb General \"序号\"\tsb General \"号码\""),
            QStringLiteral("n General 1\ts @ \"0123\""),
            QStringLiteral("n General 2.5\ts @ \"a<&>\\\"bc\\r\\nd\""), // the control character dropped
            QStringLiteral("s @ \"nan\"\ts @ \" 07 \""),                // Excel has no NaN
            QStringLiteral("-"),                                        // the empty row
            QStringLiteral("n @ null\tn General 12345678901"),
            QStringLiteral("== a_b_c_ 13 13"),
            QStringLiteral("n General 6"),
            QStringLiteral("== A_B_C_(2) 13 13"), // Excel tells names apart regardless of case
            QStringLiteral("n General 6"),
            QStringLiteral("== %1 13 13").arg(QString(31, QChar(0x4E00))),
            QStringLiteral("n General 32"),
            QStringLiteral("== 引号 13 13"),
            QStringLiteral("n General 4"),
            QStringLiteral("== Sheet6 13 13"),
            QStringLiteral("n General 0"),
        };
        QCOMPARE(lines, expected);
    }

    // libxlsxwriter's book of the same was 166 kB; stored without deflate it would pass 1 MB.
    void tenThousandNumbersStaySmall()
    {
        std::vector<int> all(10000);
        std::iota(all.begin(), all.end(), 0);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("all.xlsx"));
        QString reason;
        QVERIFY2(writeResultFile(path, all, false, &reason), qPrintable(reason));
        QVERIFY2(QFileInfo(path).size() < 150000, qPrintable(QString::number(QFileInfo(path).size())));
    }

    // What Excel could not open is refused with a reason, and the old file stays.
    void refusesWhatExcelCannotHold()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("old.xlsx"));
        QVERIFY(writeFile(path, "the player's file"));
        Sheet tooLong{QStringLiteral("号码"), QStringList(1048576), {QStringLiteral("序号")}, {}, {}};
        QString reason;
        QVERIFY(!writeWorkbook(path, {tooLong}, &reason));
        QVERIFY2(reason.contains(QStringLiteral("1048577 行")), qPrintable(reason));
        reason.clear();
        QVERIFY(!writeWorkbook(path, {}, &reason));
        QVERIFY(!reason.isEmpty());
        QCOMPARE(fileBytes(path), QByteArray("the player's file"));
    }
};

QTEST_GUILESS_MAIN(WorkbookTest)
#include "WorkbookTest.moc"
