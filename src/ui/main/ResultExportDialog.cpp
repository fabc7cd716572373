#include "ResultExportDialog.h"

#include "ui/application/ResultFile.h"
#include "ui/application/WindowTexts.h"
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
    QString reason;
    if (!writeResultFile(path, numbers, groupForms, &reason)) {
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
