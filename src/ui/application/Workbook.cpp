#include "Workbook.h"

#include "scheme/WholeFileWrite.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#ifdef SHRINK4_XLSX
#include <xlsxwriter.h>
#endif

namespace shrink4 {

#ifdef SHRINK4_XLSX
namespace {

struct Formats {
    lxw_format* text = nullptr;
    lxw_format* header = nullptr;
};

Formats makeFormats(lxw_workbook* book)
{
    Formats f;
    f.text = workbook_add_format(book);
    format_set_num_format(f.text, "@"); // typed-over cells stay text too
    f.header = workbook_add_format(book);
    format_set_bold(f.header);
    return f;
}

bool isNumber(const QVariant& cell)
{
    switch (cell.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

lxw_error writeCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, const QVariant& cell, const Formats& f)
{
    if (isNumber(cell))
        return worksheet_write_number(sheet, row, col, cell.toDouble(), nullptr);
    const QByteArray text = cell.toString().toUtf8();
    return worksheet_write_string(sheet, row, col, text.constData(), f.text);
}

lxw_error writeRow(lxw_worksheet* sheet, lxw_row_t row, const QVariantList& cells, const Formats& f,
                   lxw_format* format = nullptr)
{
    for (int c = 0; c < cells.size(); ++c) {
        const lxw_error error =
            format ? worksheet_write_string(sheet, row, lxw_col_t(c), cells[c].toString().toUtf8().constData(), format)
                   : writeCell(sheet, row, lxw_col_t(c), cells[c], f);
        if (error != LXW_NO_ERROR)
            return error;
    }
    return LXW_NO_ERROR;
}

lxw_error writeSheet(lxw_workbook* book, const Sheet& s, const Formats& f)
{
    const QByteArray name = s.name.toUtf8();
    lxw_worksheet* sheet = workbook_add_worksheet(book, name.constData());
    if (!sheet)
        return LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE;
    for (int c = 0; c < s.columnWidths.size(); ++c)
        worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), s.columnWidths[c], nullptr);
    lxw_row_t row = 0;
    for (const QString& line : s.lead)
        if (const lxw_error e = writeRow(sheet, row++, {line}, f); e != LXW_NO_ERROR)
            return e;
    if (!s.header.isEmpty())
        if (const lxw_error e = writeRow(sheet, row++, QVariantList(s.header.begin(), s.header.end()), f, f.header);
            e != LXW_NO_ERROR)
            return e;
    for (const QVariantList& cells : s.rows)
        if (const lxw_error e = writeRow(sheet, row++, cells, f); e != LXW_NO_ERROR)
            return e;
    return LXW_NO_ERROR;
}

// libxlsxwriter writes only to a path: the book goes to a private temporary first, and its
// bytes replace the file in one step.
bool writeBook(const QString& path, const QList<Sheet>& sheets)
{
    const QByteArray name = QFile::encodeName(path);
    lxw_workbook* book = workbook_new(name.constData());
    if (!book)
        return false;
    const Formats formats = makeFormats(book);
    lxw_error error = LXW_NO_ERROR;
    for (const Sheet& sheet : sheets)
        if (error == LXW_NO_ERROR)
            error = writeSheet(book, sheet, formats);
    const lxw_error closed = workbook_close(book); // frees the book whatever happened
    return error == LXW_NO_ERROR && closed == LXW_NO_ERROR;
}

} // namespace
#endif

bool isWorkbookPath(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0;
}

bool writeWorkbook(const QString& path, const QList<Sheet>& sheets, QString* reason)
{
#ifndef SHRINK4_XLSX
    // A build without the workbook library (so far the Windows one) says so, never a bad file.
    Q_UNUSED(path)
    Q_UNUSED(sheets)
    if (reason)
        *reason = QStringLiteral("这个版本不能写 Excel 工作簿，请存为 CSV 表格（*.csv）");
    return false;
#else
    QTemporaryDir scratch;
    const QString built = scratch.filePath(QStringLiteral("book.xlsx"));
    QFile file(built);
    if (!scratch.isValid() || !writeBook(built, sheets) || !file.open(QIODevice::ReadOnly)) {
        if (reason)
            *reason = QStringLiteral("无法生成 Excel 工作簿（临时文件夹不可写或已满）");
        return false;
    }
    return writeWholeFile(path, file.readAll(), reason);
#endif
}

} // namespace shrink4
