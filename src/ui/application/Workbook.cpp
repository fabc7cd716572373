#include "Workbook.h"

#include "ui/application/SheetNames.h"
#include "ui/application/WorksheetXml.h"
#include "ui/application/ZipPackage.h"
#include "scheme/WholeFileWrite.h"

#include <QFileInfo>

namespace shrink4 {

namespace {

constexpr qsizetype kRowLimit = 1048576; // Excel's rows and columns on a sheet
constexpr qsizetype kColumnLimit = 16384;

const char* const kXmlDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
const char* const kRelationships = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

// A bold font for the header; numFmt "@" keeps text cells text, even when typed over.
const char* const kStyles =
    "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
    "<numFmts count=\"1\"><numFmt numFmtId=\"164\" formatCode=\"@\"/></numFmts>"
    "<fonts count=\"2\"><font><sz val=\"11\"/><name val=\"Calibri\"/><family val=\"2\"/></font>"
    "<font><b/><sz val=\"11\"/><name val=\"Calibri\"/><family val=\"2\"/></font></fonts>"
    "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
    "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
    "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
    "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>"
    "<cellXfs count=\"3\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/>"
    "<xf numFmtId=\"0\" fontId=\"1\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyFont=\"1\"/>"
    "<xf numFmtId=\"164\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyNumberFormat=\"1\"/></cellXfs>"
    "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>"
    "</styleSheet>";

QByteArray sheetPart(int index)
{
    return "worksheets/sheet" + QByteArray::number(index + 1) + ".xml";
}

QByteArray contentTypes(qsizetype sheetCount)
{
    QByteArray out = QByteArray(kXmlDeclaration) +
                     "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                     "<Default Extension=\"rels\" "
                     "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                     "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
                     "<Override PartName=\"/xl/workbook.xml\" "
                     "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
                     "<Override PartName=\"/xl/styles.xml\" "
                     "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>";
    for (int i = 0; i < sheetCount; ++i)
        out += "<Override PartName=\"/xl/" + sheetPart(i)
               + "\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>";
    return out + "</Types>";
}

QByteArray packageRelationships()
{
    return QByteArray(kXmlDeclaration) +
           "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
           "<Relationship Id=\"rId1\" Type=\"" +
           kRelationships + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";
}

// rId1… are the sheets in order, the one after them the styles.
QByteArray workbookRelationships(qsizetype sheetCount)
{
    QByteArray out = QByteArray(kXmlDeclaration)
                     + "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    for (int i = 0; i < sheetCount; ++i)
        out += "<Relationship Id=\"rId" + QByteArray::number(i + 1) + "\" Type=\"" + kRelationships
               + "/worksheet\" Target=\"" + sheetPart(i) + "\"/>";
    out += "<Relationship Id=\"rId" + QByteArray::number(sheetCount + 1) + "\" Type=\"" + kRelationships
           + "/styles\" Target=\"styles.xml\"/>";
    return out + "</Relationships>";
}

QByteArray workbook(const QStringList& names)
{
    QByteArray out = QByteArray(kXmlDeclaration)
                     + "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" xmlns:r=\""
                     + kRelationships + "\"><bookViews><workbookView/></bookViews><sheets>";
    for (int i = 0; i < names.size(); ++i) {
        const QByteArray number = QByteArray::number(i + 1);
        out += "<sheet name=\"" + xmlEscaped(names[i]) + "\" sheetId=\"" + number + "\" r:id=\"rId" + number + "\"/>";
    }
    return out + "</sheets></workbook>";
}

// Why Excel could not hold the sheet, or nothing when it can.
QString overLimits(const Sheet& sheet)
{
    const qsizetype rows = sheet.lead.size() + (sheet.header.isEmpty() ? 0 : 1) + sheet.rows.size();
    qsizetype columns = sheet.header.size();
    for (const QVariantList& cells : sheet.rows)
        columns = qMax(columns, cells.size());
    if (rows > kRowLimit)
        return QStringLiteral("表格有 %1 行，超过 Excel 工作表的 %2 行，请存为 CSV 表格（*.csv）")
            .arg(rows)
            .arg(kRowLimit);
    if (columns > kColumnLimit)
        return QStringLiteral("表格有 %1 列，超过 Excel 工作表的 %2 列，请存为 CSV 表格（*.csv）")
            .arg(columns)
            .arg(kColumnLimit);
    return {};
}

QByteArray workbookBytes(const QList<Sheet>& sheets, QString* reason)
{
    QStringList wanted;
    for (const Sheet& sheet : sheets) {
        if (const QString why = overLimits(sheet); !why.isEmpty()) {
            *reason = why;
            return {};
        }
        wanted << sheet.name;
    }
    ZipPackage package;
    package.add(QStringLiteral("[Content_Types].xml"), contentTypes(sheets.size()));
    package.add(QStringLiteral("_rels/.rels"), packageRelationships());
    package.add(QStringLiteral("xl/workbook.xml"), workbook(sheetNames(wanted)));
    package.add(QStringLiteral("xl/_rels/workbook.xml.rels"), workbookRelationships(sheets.size()));
    package.add(QStringLiteral("xl/styles.xml"), QByteArray(kXmlDeclaration) + kStyles);
    for (int i = 0; i < sheets.size(); ++i)
        package.add(QStringLiteral("xl/") + QString::fromLatin1(sheetPart(i)), worksheetXml(sheets[i], i == 0));
    return package.finish(reason);
}

} // namespace

bool isWorkbookPath(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0;
}

bool writeWorkbook(const QString& path, const QList<Sheet>& sheets, QString* reason)
{
    QString why;
    // A book without sheets is one Excel refuses to open.
    const QByteArray bytes = sheets.isEmpty() ? QByteArray() : workbookBytes(sheets, &why);
    if (bytes.isEmpty()) {
        if (reason)
            *reason = why.isEmpty() ? QStringLiteral("没有要写入工作簿的表格") : why;
        return false;
    }
    return writeWholeFile(path, bytes, reason);
}

} // namespace shrink4
