#include "FileErrorText.h"

#include <QDir>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace shrink4 {

namespace {

constexpr int kKnownCodes[] = {ENOSPC, EFBIG,
#ifdef EDQUOT // Windows reports no disk quota by errno
                               EDQUOT,
#endif
                               EACCES, EPERM, EROFS, ENOENT, EISDIR, ENOTDIR, EIO};

// Qt words these itself, not through errno.
const char* const kDirectoryInTheWay = "Filename refers to a directory";
const char* const kReadOnlyFile = "is not writable"; // QSaveFile: "Existing file %1 is not writable"

} // namespace

QString chineseErrnoText(int code)
{
    switch (code) {
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QStringLiteral("磁盘已满或文件过大");
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("没有写入权限");
    case ENOENT:
        return QStringLiteral("文件或文件夹不存在");
    case EISDIR:
        return QStringLiteral("同名的文件夹已存在");
    case ENOTDIR:
        return QStringLiteral("路径中有一段不是文件夹");
    case EIO:
        return QStringLiteral("磁盘读写出错");
    default:
        return {};
    }
}

QString chineseFileReason(const QString& systemText)
{
    // Qt words errno through qt_error_string, so the same text names the same code.
    for (const int code : kKnownCodes) {
        if (systemText.contains(qt_error_string(code), Qt::CaseInsensitive))
            return chineseErrnoText(code);
    }
    if (systemText.contains(QLatin1String(kDirectoryInTheWay)))
        return chineseErrnoText(EISDIR);
    if (systemText.contains(QLatin1String(kReadOnlyFile)))
        return QStringLiteral("文件是只读的");
    return systemText.isEmpty() ? QStringLiteral("未知错误") : systemText;
}

QString chineseFileReason(const QFileDevice& file)
{
    if (file.error() == QFileDevice::PermissionsError)
        return chineseErrnoText(EACCES);
    return chineseFileReason(file.errorString());
}

QString fileFailureText(const QString& what, const QString& path, const QString& reason)
{
    return QStringLiteral("%1：%2：%3").arg(what, QDir::toNativeSeparators(path), reason);
}

} // namespace shrink4
