#include "InputFile.h"

#include "FileErrorText.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace shrink4 {

namespace {

const QString kStdinName = QStringLiteral("standard input");

InputBytes refused(const QString& where, const QString& what, const QString& label, const QString& detail = {})
{
    InputBytes r;
    r.error = QStringLiteral("%1: %2").arg(where, what);
    r.message = detail.isEmpty() ? QStringLiteral("%1：%2").arg(label, where)
                                 : QStringLiteral("%1：%2：%3").arg(label, where, detail);
    return r;
}

InputBytes readFailed(const QString& where, const QString& reason)
{
    return refused(where, QStringLiteral("could not be read (%1)").arg(reason), QStringLiteral("读取失败"),
                   chineseFileReason(reason));
}

InputBytes tooLarge(const QString& where, qint64 limit)
{
    const qint64 mb = limit / (1024 * 1024);
    return refused(where, QStringLiteral("larger than %1 MB; refused").arg(mb),
                   QStringLiteral("文件超过%1 MB，不予读取").arg(mb));
}

InputBytes notRegular(const QString& where)
{
    return refused(where, QStringLiteral("not a regular file"), QStringLiteral("不是普通文件"));
}

// Reads to the end into one buffer, never past limit + 1 bytes. A regular file's size is
// known, so its buffer is allocated once; a pipe's grows by doubling.
InputBytes readAll(QFile& file, const QString& where, qint64 expected, qint64 limit)
{
    QByteArray bytes;
    bytes.resize(qsizetype(qMin(expected, limit) + 1));
    qint64 size = 0;
    for (;;) {
        if (size == bytes.size()) {
            if (size > limit)
                return tooLarge(where, limit);
            bytes.resize(qsizetype(qMin(qMax(size * 2, qint64(64 * 1024)), limit + 1)));
        }
        const qint64 n = file.read(bytes.data() + size, bytes.size() - size);
        if (n < 0)
            return readFailed(where, file.errorString());
        if (n == 0)
            break;
        size += n;
    }
    if (size > limit)
        return tooLarge(where, limit);
    bytes.resize(qsizetype(size));
    InputBytes r;
    r.bytes = std::move(bytes);
    return r;
}

InputBytes readStandardInput(qint64 limit)
{
    struct stat st {};
    if (::fstat(STDIN_FILENO, &st) != 0)
        return readFailed(kStdinName, QString::fromLocal8Bit(std::strerror(errno)));
    if (S_ISDIR(st.st_mode))
        return readFailed(kStdinName, QString::fromLocal8Bit(std::strerror(EISDIR)));
    if (S_ISREG(st.st_mode) && st.st_size > limit)
        return tooLarge(kStdinName, limit);
    QFile file;
    if (!file.open(STDIN_FILENO, QIODevice::ReadOnly | QIODevice::Unbuffered))
        return readFailed(kStdinName, file.errorString());
    return readAll(file, kStdinName, S_ISREG(st.st_mode) ? qint64(st.st_size) : 64 * 1024, limit);
}

#ifdef Q_OS_WIN
// Names are text on Windows, and nothing a name can point to blocks at opening.
InputBytes readNamedFile(const QString& name, const QString& where, qint64 limit)
{
    const QFileInfo info(name);
    if (info.exists() && !info.isFile())
        return notRegular(where);
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return readFailed(where, file.errorString());
    if (file.size() > limit)
        return tooLarge(where, limit);
    return readAll(file, where, file.size(), limit);
}
#else
// Checked before opening, since opening a named pipe would block, and again once open,
// should another node have taken the name meanwhile.
InputBytes readNamedFile(const QByteArray& name, const QString& where, qint64 limit)
{
    struct stat st {};
    if (::stat(name.constData(), &st) == 0 && !S_ISREG(st.st_mode))
        return notRegular(where);
    const int fd = ::open(name.constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return readFailed(where, qt_error_string(errno));
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return notRegular(where);
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return readFailed(where, file.errorString());
    }
    if (st.st_size > limit)
        return tooLarge(where, limit);
    return readAll(file, where, st.st_size, limit);
}
#endif

} // namespace

InputBytes readInputFile(const QString& path, qint64 limit)
{
#ifdef Q_OS_WIN
    if (path != QLatin1String("-") && !path.isEmpty())
        return readNamedFile(path, path, limit); // the ANSI code page cannot spell every name
#endif
    return readInputFile(path == QLatin1String("-") ? QByteArray("-") : QFile::encodeName(path), path, limit);
}

InputBytes readInputFile(const QByteArray& encodedPath, const QString& shownName, qint64 limit)
{
    if (encodedPath == "-")
        return readStandardInput(limit);
    if (encodedPath.isEmpty()) // Qt would print a warning of its own beside ours
        return refused(QStringLiteral("(empty path)"), QStringLiteral("no file name given"), QStringLiteral("读取失败"),
                       QStringLiteral("没有给出文件名"));
#ifdef Q_OS_WIN
    return readNamedFile(QFile::decodeName(encodedPath), shownName, limit);
#else
    return readNamedFile(encodedPath, shownName, limit);
#endif
}

} // namespace shrink4
