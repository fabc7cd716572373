#pragma once
// Where run --output puts what it would print.

#include <QByteArray>
#include <QString>

namespace shrink4::cli {

// Prints bytes when outputPath is empty. Otherwise a regular file, or a name not yet taken,
// is replaced whole: a failure leaves the old file as it was. Anything else that exists (a
// device, a named pipe, /dev/fd/N) is written directly, as the shell's > would. Any failure
// says why on one line and gives the exit status kOutputFailed.
int writeResult(const QByteArray& bytes, const QString& outputPath);

} // namespace shrink4::cli
