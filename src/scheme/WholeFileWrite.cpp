#include "WholeFileWrite.h"

#include "FileErrorText.h"

#include <QSaveFile>

#include <cerrno>

namespace shrink4 {

namespace {

// Qt's text for a failed flush is often only "Unknown error"; errno still holds the
// system's answer to the write that failed.
QString writeFailureReason(const QSaveFile& file, int code)
{
    const QString known = chineseErrnoText(code);
    return known.isEmpty() ? chineseFileReason(file) : known;
}

// code: the errno of a failed write, or 0 where the file's own text is the one to give.
bool fail(QSaveFile& file, const QString& why, int code, QString* reason, QString* systemReason)
{
    if (reason)
        *reason = why;
    if (systemReason)
        *systemReason = code != 0 ? qt_error_string(code) : file.errorString();
    if (file.isOpen())
        file.cancelWriting(); // the temporary goes, the old file stays
    return false;
}

} // namespace

bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* reason, QString* systemReason)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file, chineseFileReason(file), 0, reason, systemReason);
    // A small write only fills Qt's buffer; the disk's answer comes with the flush, and
    // commit() would publish the file even when that flush failed.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        const int code = errno;
        return fail(file, writeFailureReason(file, code), code, reason, systemReason);
    }
    if (!file.commit()) {
        if (reason)
            *reason = chineseFileReason(file);
        if (systemReason)
            *systemReason = file.errorString();
        return false;
    }
    return true;
}

} // namespace shrink4
