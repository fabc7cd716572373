#include "SpliceExport.h"

#include "ui/application/SchemeDialogs.h"

#include "scheme/FileErrorText.h"
#include "scheme/WholeFileWrite.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace shrink4 {

namespace {

const QString kNothingToExportSplice = QStringLiteral("结果框里没有号码，没有导出。");

QString trimmedOfSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

SpliceExportResult writeInto(const QString& path, const QString& text)
{
    QString reason;
    const bool written = writeExportFile(path, text, &reason);
    return {written ? SpliceExportResult::Outcome::Written : SpliceExportResult::Outcome::Failed, path, reason};
}

// The file the player picks; empty when cancelled.
QString askExportPath(QWidget* parent, const QString& fileName, const QString& caption, const QString& dialog)
{
    return askSavePath(parent, caption, fileName, QStringLiteral("文本文件 (*.txt)"), QStringLiteral("txt"), dialog);
}

// folders: where a one-click export may have gone, to say why; none for a chosen file.
void report(QWidget* parent, const SpliceExportResult& result, const SpliceExportFolders& folders = {})
{
    const QString title = QStringLiteral("温馨提示");
    if (result.outcome == SpliceExportResult::Outcome::NothingToExport)
        QMessageBox::information(parent, title, kNothingToExportSplice, QMessageBox::Ok);
    else if (result.outcome == SpliceExportResult::Outcome::Written)
        QMessageBox::information(parent, title,
                                 exportedToCaption(folders, result.path) + QStringLiteral("\r\n")
                                     + QDir::toNativeSeparators(result.path),
                                 QMessageBox::Ok);
    else if (result.outcome == SpliceExportResult::Outcome::Failed)
        QMessageBox::warning(parent, title, fileFailureText(QStringLiteral("导出失败"), result.path, result.reason),
                             QMessageBox::Ok);
}

} // namespace

bool writeExportFile(const QString& path, const QString& text, QString* reason)
{
    return writeWholeFile(path, trimmedOfSpaces(text).toUtf8() + "\r\n", reason);
}

SpliceExportResult exportSpliceText(const QString& text, const QString& fileName, const SpliceExportFolders& folders)
{
    using Outcome = SpliceExportResult::Outcome;
    if (trimmedOfSpaces(text).isEmpty())
        return {Outcome::NothingToExport, {}, {}};
    const QString folder = chooseExportFolder(folders);
    if (folder.isEmpty())
        return {Outcome::NoFolder, {}, {}};
    return writeInto(QDir(folder).absoluteFilePath(fileName), text);
}

void exportSpliceResult(QWidget* parent, const QString& text, const QString& fileName,
                        const SpliceExportFolders& folders)
{
    SpliceExportResult result = exportSpliceText(text, fileName, folders);
    if (result.outcome == SpliceExportResult::Outcome::NoFolder) {
        const QString path =
            askExportPath(parent, fileName, QStringLiteral("导出到"), QStringLiteral("export_file_dialog"));
        if (!path.isEmpty())
            report(parent, writeInto(path, text));
        return;
    }
    report(parent, result, folders);
}

void exportSpliceResultAs(QWidget* parent, const QString& text, const QString& fileName)
{
    if (trimmedOfSpaces(text).isEmpty()) {
        report(parent, {SpliceExportResult::Outcome::NothingToExport, {}, {}});
        return;
    }
    const QString path =
        askExportPath(parent, fileName, QStringLiteral("另存为"), QStringLiteral("splice_save_as_dialog"));
    if (!path.isEmpty())
        report(parent, writeInto(path, text));
}

} // namespace shrink4
