#include "cli/OutputFile.h"

#include "scheme/ArgumentBytes.h"
#include "cli/CliSupport.h"
#include "cli/Command.h"
#include "scheme/WholeFileWrite.h"

#include <QFile>

#ifndef Q_OS_WIN
#include "cli/ForeignNameWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace shrink4::cli {

namespace {

int failed(const QString& path, const QString& what, const QString& reason)
{
    printErr(QStringLiteral("shrink4-cli: %1: %2: %3\n").arg(quoted(path), what, reason));
    return kOutputFailed;
}

#ifdef Q_OS_WIN
// Names are text here, and devices and pipes are no concern of a results file.
int replaceWhole(const QByteArray& bytes, const QString& path)
{
    QString chineseReason;
    QString reason;
    return writeWholeFile(path, bytes, &chineseReason, &reason)
               ? kOk
               : failed(path, QStringLiteral("could not be written, nothing was changed"), reason);
}
#else
int replaceWhole(const QByteArray& bytes, const QString& path)
{
    const QByteArray name = argumentBytes(path);
    QString chineseReason;
    QString reason;
    const bool written = QFile::encodeName(QFile::decodeName(name)) == name
                             ? writeWholeFile(QFile::decodeName(name), bytes, &chineseReason, &reason)
                             : writeWholeFileNamed(name, bytes, &reason);
    return written ? kOk : failed(path, QStringLiteral("could not be written, nothing was changed"), reason);
}

// Written as it is, without a temporary beside it: a device or pipe cannot be replaced.
int writeDirectly(const QByteArray& bytes, const QString& path)
{
    // No O_CREAT: should the node have gone meanwhile, no stray file takes its name.
    const int fd = ::open(argumentBytes(path).constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return failed(path, QStringLiteral("could not be opened"), qt_error_string(errno));
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) { // a file took the node's place
        ::close(fd);
        return replaceWhole(bytes, path);
    }
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return failed(path, QStringLiteral("could not be opened"), file.errorString());
    }
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const int code = errno;
        return failed(path, QStringLiteral("could not be written whole"),
                      code != 0 ? qt_error_string(code) : file.errorString());
    }
    return kOk;
}
#endif

} // namespace

int writeResult(const QByteArray& bytes, const QString& outputPath)
{
    if (outputPath.isEmpty()) {
        printOutBytes(bytes);
        return kOk;
    }
#ifdef Q_OS_WIN
    return replaceWhole(bytes, outputPath);
#else
    struct stat st {};
    if (::stat(argumentBytes(outputPath).constData(), &st) != 0 || S_ISREG(st.st_mode) || S_ISDIR(st.st_mode))
        return replaceWhole(bytes, outputPath);
    if (S_ISSOCK(st.st_mode))
        return failed(outputPath, QStringLiteral("could not be written"), QStringLiteral("it is a socket"));
    return writeDirectly(bytes, outputPath);
#endif
}

} // namespace shrink4::cli
