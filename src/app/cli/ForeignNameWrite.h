#pragma once
// Replacing a file whole when its name is not UTF-8. Qt spells file names as text, so
// QSaveFile cannot name such a file; the same is done here with the name's bytes.

#include <QByteArray>
#include <QString>

namespace shrink4::cli {

// Writes bytes to a temporary file beside encodedPath and renames it over encodedPath once
// every byte is written. On failure the temporary goes, the old file stays as it was and
// *reason holds the system's words.
bool writeWholeFileNamed(const QByteArray& encodedPath, const QByteArray& bytes, QString* reason);

} // namespace shrink4::cli
