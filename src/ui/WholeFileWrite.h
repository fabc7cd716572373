#pragma once
// Replacing a file whole or not at all.

#include <QByteArray>
#include <QString>

namespace shrink4 {

// Writes bytes to path through a temporary file. Every write and the final flush are
// checked before the file is published; on any failure the temporary is dropped, the old
// file stays as it was, and *reason (when given) says why in Chinese.
bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* reason);

} // namespace shrink4
