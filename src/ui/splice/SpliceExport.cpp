#include "SpliceExport.h"

#include "ui/application/ResultFile.h"

#include "scheme/FileErrorText.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace shrink4 {

namespace {

const QString kTitle = QStringLiteral("温馨提示");

enum class Answer { Overwrite, SaveAs, Cancel };

bool holdsNumbers(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// folders: where a one-click export may have gone, to say why; none for a chosen file.
void writeAndReport(QWidget* parent, const QString& path, const QString& text, const SpliceExportFolders& folders = {})
{
    const QByteArray bytes = text.toUtf8();
    QString reason;
    if (!writeResultFile(path, std::string_view(bytes.constData(), std::size_t(bytes.size())), &reason)) {
        QMessageBox::warning(parent, kTitle, fileFailureText(QStringLiteral("导出失败"), path, reason),
                             QMessageBox::Ok);
        return;
    }
    QMessageBox::information(parent, kTitle,
                             exportedToCaption(folders, path) + QStringLiteral("\r\n") + QDir::toNativeSeparators(path),
                             QMessageBox::Ok);
}

// The file the player picks, starting at `start`; empty when cancelled.
QString askExportPath(QWidget* parent, const QString& start, const QString& caption, const QString& dialog)
{
    return askSavePath(parent, resultSaveDialog(caption, start, dialog));
}

// Whether to replace the export at path; a folder in its place is left for the write to
// report.
Answer askOverwrite(QWidget* parent, const QString& path)
{
    if (!QFileInfo(path).isFile())
        return Answer::Overwrite;
    QMessageBox box(QMessageBox::Question, kTitle,
                    QStringLiteral("%1 已存在，是否覆盖？").arg(QDir::toNativeSeparators(path)), QMessageBox::NoButton,
                    parent);
    box.setObjectName(QStringLiteral("splice_overwrite_question"));
    QPushButton* overwrite = box.addButton(QStringLiteral("覆盖"), QMessageBox::AcceptRole);
    QPushButton* saveAs = box.addButton(QStringLiteral("另存为…"), QMessageBox::ActionRole);
    QPushButton* cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    // Return alone must not replace a file.
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == overwrite)
        return Answer::Overwrite;
    return box.clickedButton() == saveAs ? Answer::SaveAs : Answer::Cancel;
}

void reportNothingToExport(QWidget* parent)
{
    QMessageBox::information(parent, kTitle, QStringLiteral("结果框里没有号码，没有导出。"), QMessageBox::Ok);
}

} // namespace

void exportSpliceResult(QWidget* parent, const QString& text, const QString& fileName,
                        const SpliceExportFolders& folders)
{
    if (!holdsNumbers(text)) {
        reportNothingToExport(parent);
        return;
    }
    const QString folder = chooseExportFolder(folders);
    if (folder.isEmpty()) {
        const QString path =
            askExportPath(parent, fileName, QStringLiteral("导出到"), QStringLiteral("export_file_dialog"));
        if (!path.isEmpty())
            writeAndReport(parent, path, text);
        return;
    }
    const QString path = QDir(folder).absoluteFilePath(fileName);
    switch (askOverwrite(parent, path)) {
    case Answer::Overwrite:
        writeAndReport(parent, path, text, folders);
        break;
    case Answer::SaveAs:
        exportSpliceResultAs(parent, text, path);
        break;
    case Answer::Cancel:
        break;
    }
}

void exportSpliceResultAs(QWidget* parent, const QString& text, const QString& start)
{
    if (!holdsNumbers(text)) {
        reportNothingToExport(parent);
        return;
    }
    const QString path =
        askExportPath(parent, start, QStringLiteral("另存为"), QStringLiteral("splice_save_as_dialog"));
    if (!path.isEmpty())
        writeAndReport(parent, path, text);
}

} // namespace shrink4
