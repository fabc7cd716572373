#include "ExportFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace shrink4 {

namespace {

bool isWritableFolder(const QString& folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

// An absolute folder that is neither the root nor directly in it.
bool isUserFolder(const QString& folder)
{
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder))
        return false;
    const QString clean = QDir::cleanPath(folder);
    return !QDir(clean).isRoot() && !QDir(QFileInfo(clean).path()).isRoot();
}

bool isUsableHome(const QString& folder)
{
    return !folder.isEmpty() && QDir::isAbsolutePath(folder) && !QDir(QDir::cleanPath(folder)).isRoot()
           && isWritableFolder(folder);
}

bool isFolderOf(const QString& folder, const QString& path)
{
    return !folder.isEmpty() && QDir::cleanPath(folder) == QFileInfo(path).absolutePath();
}

} // namespace

SpliceExportFolders defaultSpliceExportFolders()
{
    return {QCoreApplication::applicationDirPath(), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
            QStandardPaths::writableLocation(QStandardPaths::HomeLocation)};
}

QString chooseExportFolder(const SpliceExportFolders& folders)
{
    if (!folders.program.isEmpty() && QDir::isAbsolutePath(folders.program) && isWritableFolder(folders.program))
        return folders.program;
    if (isUserFolder(folders.documents) && QDir().mkpath(folders.documents) && isWritableFolder(folders.documents))
        return QDir::cleanPath(folders.documents);
    if (isUsableHome(folders.home))
        return QDir::cleanPath(folders.home);
    return {};
}

QString exportedToCaption(const SpliceExportFolders& folders, const QString& path)
{
    if (isFolderOf(folders.program, path))
        return QStringLiteral("导出成功：");
    if (isFolderOf(folders.documents, path))
        return QStringLiteral("程序文件夹不可写，已导出到文档文件夹：");
    if (isFolderOf(folders.home, path))
        return QStringLiteral("程序文件夹和文档文件夹都不可写，已导出到主文件夹：");
    return QStringLiteral("导出成功：");
}

} // namespace shrink4
