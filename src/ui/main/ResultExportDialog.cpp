#include "ResultExportDialog.h"

#include "ui/application/SchemeDialogs.h"
#include "ui/application/WindowTexts.h"
#include "scheme/FileErrorText.h"
#include "scheme/WholeFileWrite.h"
#include "tools/ResultExport.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace shrink4 {

namespace {

ExportFormat formatOf(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0 ? ExportFormat::Csv
                                                                                            : ExportFormat::Text;
}

QString askResultPath(QWidget* parent)
{
    return askSavePath(parent, {texts::kExportResultCaption,
                                QStringLiteral("缩水结果.txt"),
                                {QStringLiteral("文本文件 (*.txt)"), QStringLiteral("CSV 表格 (*.csv)")},
                                {QStringLiteral("txt"), QStringLiteral("csv")},
                                QStringLiteral("export_result_dialog")});
}

} // namespace

bool exportResultToFile(QWidget* parent, const std::vector<int>& numbers, bool groupForms)
{
    if (numbers.empty()) {
        QMessageBox::information(parent, texts::kExportResultCaption, texts::kNothingToExport, QMessageBox::Ok);
        return false;
    }
    const QString path = askResultPath(parent);
    if (path.isEmpty())
        return false;
    const std::string bytes = resultExportBytes(numbers, groupForms, formatOf(path));
    QString reason;
    if (!writeWholeFile(path, QByteArray(bytes.data(), qsizetype(bytes.size())), &reason)) {
        QMessageBox::warning(parent, texts::kExportResultCaption,
                             fileFailureText(QStringLiteral("导出失败"), path, reason), QMessageBox::Ok);
        return false;
    }
    QMessageBox::information(
        parent, texts::kExportResultCaption,
        QStringLiteral("已导出 %1 注：\r\n%2").arg(numbers.size()).arg(QDir::toNativeSeparators(path)),
        QMessageBox::Ok);
    return true;
}

} // namespace shrink4
