#include "WholeFileWrite.h"

#include "FileErrorText.h"

#include <QSaveFile>

namespace shrink4 {

namespace {

bool fail(QSaveFile& file, QString* reason)
{
    if (reason)
        *reason = chineseFileReason(file);
    if (file.isOpen())
        file.cancelWriting();
    return false;
}

} // namespace

bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* reason)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file, reason);
    // A small write only fills Qt's buffer; the disk's answer comes with the flush, and
    // commit() would publish the file even when that flush failed.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError)
        return fail(file, reason);
    if (!file.commit()) {
        if (reason)
            *reason = chineseFileReason(file);
        return false;
    }
    return true;
}

} // namespace shrink4
