#include "SchemeFile.h"

#include <QSaveFile>

namespace shrink4 {

namespace {

// Everything is flushed and checked before commit(): commit() would publish a file whose
// last buffered bytes never reached the disk.
bool writeWhole(QSaveFile& file, const QByteArray& bytes)
{
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush()
        && file.error() == QFileDevice::NoError && file.commit();
}

} // namespace

bool writeSchemeFile(const QString& path, const ConditionInputs& inputs, QString* error, QString* message)
{
    QSaveFile file(path);
    if (writeWhole(file, serializeScheme(inputs)))
        return true;
    const QString reason = file.errorString();
    file.cancelWriting(); // the old file stays; the temporary goes with the object
    if (error)
        *error = QStringLiteral("%1: %2").arg(path, reason);
    if (message)
        *message = QStringLiteral("写入失败：%1：%2").arg(path, reason);
    return false;
}

} // namespace shrink4
