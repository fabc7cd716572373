#include "ResultFile.h"

#include "ui/application/Workbook.h"
#include "ui/widgets/QtText.h"
#include "core/TextScan.h"
#include "scheme/WholeFileWrite.h"

#include <QFileInfo>

#include <string>

namespace shrink4 {

namespace {

bool writeBytes(const QString& path, const std::string& bytes, QString* reason)
{
    return writeWholeFile(path, QByteArray(bytes.data(), qsizetype(bytes.size())), reason);
}

bool writeNumbersBook(const QString& path, const QStringList& numbers, bool groupForms, QString* reason)
{
    return writeWorkbook(path, {numbersSheet(numbers, groupForms)}, reason);
}

QStringList numberTexts(const std::vector<int>& numbers)
{
    QStringList texts;
    texts.reserve(qsizetype(numbers.size()));
    for (int n : numbers)
        texts << fourDigits(n);
    return texts;
}

} // namespace

Sheet numbersSheet(const QStringList& numbers, bool groupForms)
{
    Sheet sheet;
    sheet.name = QStringLiteral("号码");
    sheet.header = {QStringLiteral("序号"), groupForms ? QStringLiteral("组选号码") : QStringLiteral("直选号码")};
    sheet.columnWidths = {8, 12};
    int row = 0;
    for (const QString& n : numbers)
        sheet.rows.append({++row, n});
    return sheet;
}

Sheet numbersSheet(const std::vector<int>& numbers, bool groupForms)
{
    return numbersSheet(numberTexts(numbers), groupForms);
}

ExportFormat exportFormatOf(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0 ? ExportFormat::Csv
                                                                                            : ExportFormat::Text;
}

SaveDialogSpec resultSaveDialog(const QString& caption, const QString& start, const QString& objectName)
{
    return {caption,
            start,
            {QStringLiteral("文本文件 (*.txt)"), QStringLiteral("CSV 表格 (*.csv)"),
             QStringLiteral("Excel 工作簿 (*.xlsx)")},
            {QStringLiteral("txt"), QStringLiteral("csv"), QStringLiteral("xlsx")},
            objectName};
}

bool writeResultFile(const QString& path, const std::vector<int>& numbers, bool groupForms, QString* reason)
{
    if (isWorkbookPath(path))
        return writeNumbersBook(path, numberTexts(numbers), groupForms, reason);
    return writeBytes(path, resultExportBytes(numbers, groupForms, exportFormatOf(path)), reason);
}

bool writeResultFile(const QString& path, std::string_view numberText, QString* reason)
{
    if (isWorkbookPath(path))
        return writeNumbersBook(
            path, QString::fromStdString(NormalizeDigitGroups(numberText)).split(QLatin1Char(' '), Qt::SkipEmptyParts),
            false, reason);
    return writeBytes(path, resultExportBytes(numberText, false, exportFormatOf(path)), reason);
}

} // namespace shrink4
