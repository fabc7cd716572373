#include "cli/ForeignNameWrite.h"

#include <QFile>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace shrink4::cli {

namespace {

struct Descriptor {
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

bool failWith(int code, QString* reason)
{
    *reason = qt_error_string(code);
    return false;
}

// A link is followed, as QSaveFile follows it: the file it names is replaced, not the link.
QByteArray followedLink(const QByteArray& path)
{
    char* real = ::realpath(path.constData(), nullptr);
    const QByteArray target = real != nullptr ? QByteArray(real) : path;
    std::free(real);
    return target;
}

// Opens a new file of an unused name in the folder; the name goes to *name.
int createTemporary(int folder, QByteArray* name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = ".shrink4-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        const int fd = ::openat(folder, name->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Every byte written and the old file's permissions kept: 0, or the errno of the failure.
int fill(int fd, const QByteArray& bytes, const struct stat* old)
{
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle))
        return EBADF;
    errno = 0;
    if (file.write(bytes) != bytes.size())
        return errno != 0 ? errno : EIO;
    if (old != nullptr && ::fchmod(fd, old->st_mode & 07777) != 0)
        return errno;
    return ::fsync(fd) == 0 ? 0 : errno; // a full disk may show only here
}

// Writes the temporary in the open folder and renames it to name.
bool replaceIn(int folder, const QByteArray& name, const QByteArray& bytes, QString* reason)
{
    struct stat old {};
    const bool replacing = ::fstatat(folder, name.constData(), &old, 0) == 0;
    if (replacing && S_ISDIR(old.st_mode))
        return failWith(EISDIR, reason);
    QByteArray temporary;
    Descriptor file{createTemporary(folder, &temporary)};
    if (file.fd < 0)
        return failWith(errno, reason);
    int code = fill(file.fd, bytes, replacing ? &old : nullptr);
    if (code == 0 && ::renameat(folder, temporary.constData(), folder, name.constData()) != 0)
        code = errno;
    if (code != 0) {
        ::unlinkat(folder, temporary.constData(), 0);
        return failWith(code, reason);
    }
    return true;
}

} // namespace

bool writeWholeFileNamed(const QByteArray& encodedPath, const QByteArray& bytes, QString* reason)
{
    const QByteArray path = followedLink(encodedPath);
    const auto slash = path.lastIndexOf('/');
    const QByteArray name = path.mid(slash + 1);
    if (name.isEmpty())
        return failWith(EISDIR, reason);
    const QByteArray folderName = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
    const Descriptor folder{::open(folderName.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC)};
    return folder.fd >= 0 ? replaceIn(folder.fd, name, bytes, reason) : failWith(errno, reason);
}

} // namespace shrink4::cli
