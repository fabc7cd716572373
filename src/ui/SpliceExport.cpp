#include "SpliceExport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>

namespace shrink4 {

namespace {

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

bool isWritableFolder(const QString& folder)
{
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isDir() && info.isWritable();
}

} // namespace

SpliceExportFolders defaultSpliceExportFolders()
{
    return {QCoreApplication::applicationDirPath(),
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)};
}

QString chooseExportFolder(const SpliceExportFolders& folders)
{
    if (isWritableFolder(folders.program))
        return folders.program;
    if (!folders.documents.isEmpty())
        QDir().mkpath(folders.documents);
    return folders.documents;
}

bool writeExportFile(const QString& path, const QString& text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray line = trimmedOfSpaces(text).toUtf8() + "\r\n";
    if (file.write(line) != line.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

SpliceExportResult exportSpliceText(const QString& text, const QString& fileName,
                                    const SpliceExportFolders& folders)
{
    using Outcome = SpliceExportResult::Outcome;
    if (trimmedOfSpaces(text).isEmpty())
        return {Outcome::NothingToExport, {}};
    const QString folder = chooseExportFolder(folders);
    if (folder.isEmpty())
        return {Outcome::Failed, {}};
    const QString path = QDir(folder).absoluteFilePath(fileName);
    return {writeExportFile(path, text) ? Outcome::Written : Outcome::Failed, path};
}

void exportSpliceResult(QWidget* parent, const QString& text, const QString& fileName,
                        const SpliceExportFolders& folders)
{
    const auto result = exportSpliceText(text, fileName, folders);
    const QString title = QStringLiteral("温馨提示");
    switch (result.outcome) {
    case SpliceExportResult::Outcome::NothingToExport:
        return;
    case SpliceExportResult::Outcome::Written:
        QMessageBox::information(parent, title,
                                 QStringLiteral("导出成功：\r\n") + QDir::toNativeSeparators(result.path),
                                 QMessageBox::Ok);
        return;
    case SpliceExportResult::Outcome::Failed:
        QMessageBox::information(parent, title, QStringLiteral("导出失败"), QMessageBox::Ok);
        return;
    }
}

} // namespace shrink4
