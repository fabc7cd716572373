#pragma once
// Replacing a file whole or not at all.

#include <QByteArray>
#include <QString>

namespace shrink4 {

// Writes bytes to path through a temporary file. Every write and the final flush are
// checked before the file is published; on any failure the temporary is dropped, the old
// file stays as it was, *reason (when given) says why in Chinese and *systemReason in the
// system's own words.
bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* reason, QString* systemReason = nullptr);

} // namespace shrink4
