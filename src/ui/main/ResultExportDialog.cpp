#include "ResultExportDialog.h"

#include "ui/application/ResultFile.h"
#include "ui/application/WindowTexts.h"
#include "ui/print/ResultReport.h"
#include "ui/print/ResultWorkbook.h"
#include "scheme/FileErrorText.h"

#include <QDir>
#include <QMessageBox>

namespace shrink4 {

namespace {

QString askResultPath(QWidget* parent)
{
    return askSavePath(parent, resultSaveDialog(texts::kExportResultCaption, QStringLiteral("缩水结果.txt"),
                                                QStringLiteral("export_result_dialog")));
}

bool writeReport(const QString& path, const ResultReport& report, QString* reason)
{
    return isWorkbookPath(path) ? writeWorkbook(path, resultSheets(report), reason)
                                : writeResultFile(path, report.numbers, report.groupForms, reason);
}

} // namespace

bool exportResultToFile(QWidget* parent, const ResultReport& report)
{
    if (report.numbers.empty()) {
        QMessageBox::information(parent, texts::kExportResultCaption, texts::kNothingToExport, QMessageBox::Ok);
        return false;
    }
    const QString path = askResultPath(parent);
    if (path.isEmpty())
        return false;
    QString reason;
    if (!writeReport(path, report, &reason)) {
        QMessageBox::warning(parent, texts::kExportResultCaption,
                             fileFailureText(QStringLiteral("导出失败"), path, reason), QMessageBox::Ok);
        return false;
    }
    QMessageBox::information(
        parent, texts::kExportResultCaption,
        QStringLiteral("已导出 %1 注：\r\n%2").arg(report.numbers.size()).arg(QDir::toNativeSeparators(path)),
        QMessageBox::Ok);
    return true;
}

} // namespace shrink4
