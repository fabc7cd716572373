#include "DrawsFile.h"

#include "ui/application/DataFolder.h"
#include "ui/application/KeepNothing.h"

#include "scheme/WholeFileWrite.h"

#include <QDir>
#include <QFileInfo>

namespace shrink4 {

QString defaultDrawsPath()
{
    return dataFile(QStringLiteral("draws.txt"));
}

DrawsFileText readKeptDraws(const QString& path)
{
    if (!QFileInfo::exists(path))
        return {QString(), {}, {}};
    return readDrawsFile(path);
}

bool keepDraws(const QString& path, const QString& text, QString* reason)
{
    if (keepsNothing())
        return true;
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *reason = QStringLiteral("无法创建文件夹 %1").arg(QFileInfo(path).absolutePath());
        return false;
    }
    return writeWholeFile(path, text.toUtf8(), reason);
}

} // namespace shrink4
