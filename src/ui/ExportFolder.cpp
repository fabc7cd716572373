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

} // namespace

SpliceExportFolders defaultSpliceExportFolders()
{
    return {QCoreApplication::applicationDirPath(),
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
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

} // namespace shrink4
