#include "WorksheetXml.h"

#include <QLocale>

#include <cmath>

namespace shrink4 {

namespace {

constexpr qsizetype kCellTextLimit = 32767; // the most characters Excel keeps in a cell

bool carriable(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
           || (c >= 0x10000 && c <= 0x10FFFF);
}

bool isNumber(const QVariant& cell)
{
    switch (cell.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    case QMetaType::Double:
    case QMetaType::Float:
        return std::isfinite(cell.toDouble()); // Excel has no NaN or infinity: those go as text
    default:
        return false;
    }
}

QByteArray numberText(const QVariant& cell)
{
    const int type = cell.typeId();
    if (type == QMetaType::Double || type == QMetaType::Float)
        return QByteArray::number(cell.toDouble(), 'g', QLocale::FloatingPointShortest);
    return cell.toString().toLatin1();
}

QByteArray columnName(int column)
{
    QByteArray name;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        name.prepend(char('A' + (n - 1) % 26));
    return name;
}

// Excel keeps a width as characters of the default font's digit (7 pixels) plus 5 pixels
// of padding, in 256ths: the column then shows as many digits as asked.
QByteArray storedWidth(int characters)
{
    return QByteArray::number(std::floor((characters * 7 + 5) / 7.0 * 256) / 256, 'g', QLocale::FloatingPointShortest);
}

QByteArray columns(const QList<int>& widths)
{
    QByteArray out;
    for (int c = 0; c < widths.size(); ++c)
        if (widths[c] > 0)
            out += "<col min=\"" + QByteArray::number(c + 1) + "\" max=\"" + QByteArray::number(c + 1) + "\" width=\""
                   + storedWidth(widths[c]) + "\" customWidth=\"1\"/>";
    return out.isEmpty() ? out : "<cols>" + out + "</cols>";
}

void appendText(QByteArray& out, const QString& text, CellStyle style)
{
    out += " s=\"" + QByteArray::number(style) + '"';
    const QStringView kept = QStringView(text).left(kCellTextLimit); // a cut surrogate is dropped below
    const QByteArray escaped = xmlEscaped(kept);
    if (escaped.isEmpty()) {
        out += "/>";
        return;
    }
    // Without it an XML reader may drop the spaces at either end.
    const bool edgeSpace = kept.front().isSpace() || kept.back().isSpace();
    out += edgeSpace ? " t=\"inlineStr\"><is><t xml:space=\"preserve\">" : " t=\"inlineStr\"><is><t>";
    out += escaped + "</t></is></c>";
}

void appendCell(QByteArray& out, const QByteArray& ref, const QVariant& cell, bool header)
{
    out += "<c r=\"" + ref + '"';
    if (header)
        appendText(out, cell.toString(), HeaderStyle);
    else if (isNumber(cell))
        out += "><v>" + numberText(cell) + "</v></c>";
    else
        appendText(out, cell.toString(), TextStyle); // typed-over cells stay text too
}

void appendRow(QByteArray& out, int row, const QVariantList& cells, bool header = false)
{
    if (cells.isEmpty())
        return;
    const QByteArray number = QByteArray::number(row);
    out += "<row r=\"" + number + "\">";
    for (int c = 0; c < cells.size(); ++c)
        appendCell(out, columnName(c) + number, cells[c], header);
    out += "</row>";
}

} // namespace

QString xmlCarriable(QStringView text)
{
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            kept += c;
            kept += text[++i];
        } else if (!c.isSurrogate() && carriable(c.unicode())) {
            kept += c;
        }
    }
    return kept;
}

QByteArray xmlEscaped(QStringView text)
{
    QString escaped = xmlCarriable(text).toHtmlEscaped();       // < > & "
    escaped.replace(QLatin1Char('\r'), QLatin1String("&#13;")); // a reader would turn a bare CR into LF
    return escaped.toUtf8();
}

QByteArray worksheetXml(const Sheet& sheet, bool selected)
{
    QByteArray out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
        "<sheetViews><sheetView workbookViewId=\"0\"";
    out += selected ? " tabSelected=\"1\"/>" : "/>";
    out += "</sheetViews><sheetFormatPr defaultRowHeight=\"15\"/>" + columns(sheet.columnWidths) + "<sheetData>";
    int row = 0;
    for (const QString& line : sheet.lead)
        appendRow(out, ++row, {line});
    if (!sheet.header.isEmpty())
        appendRow(out, ++row, QVariantList(sheet.header.begin(), sheet.header.end()), true);
    for (const QVariantList& cells : sheet.rows)
        appendRow(out, ++row, cells);
    return out + "</sheetData></worksheet>";
}

} // namespace shrink4
