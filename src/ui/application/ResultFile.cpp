#include "ResultFile.h"

#include "scheme/WholeFileWrite.h"

#include <QFileInfo>

#include <string>

namespace shrink4 {

namespace {

bool writeBytes(const QString& path, const std::string& bytes, QString* reason)
{
    return writeWholeFile(path, QByteArray(bytes.data(), qsizetype(bytes.size())), reason);
}

} // namespace

ExportFormat exportFormatOf(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0 ? ExportFormat::Csv
                                                                                            : ExportFormat::Text;
}

SaveDialogSpec resultSaveDialog(const QString& caption, const QString& start, const QString& objectName)
{
    return {caption,
            start,
            {QStringLiteral("文本文件 (*.txt)"), QStringLiteral("CSV 表格 (*.csv)")},
            {QStringLiteral("txt"), QStringLiteral("csv")},
            objectName};
}

bool writeResultFile(const QString& path, const std::vector<int>& numbers, bool groupForms, QString* reason)
{
    return writeBytes(path, resultExportBytes(numbers, groupForms, exportFormatOf(path)), reason);
}

bool writeResultFile(const QString& path, std::string_view numberText, QString* reason)
{
    return writeBytes(path, resultExportBytes(numberText, false, exportFormatOf(path)), reason);
}

} // namespace shrink4
