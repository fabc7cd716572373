#pragma once
// Arguments are bytes, and a file name need not be UTF-8. A byte that is not part of valid
// UTF-8 travels through QString as one lone surrogate (U+DC80 to U+DCFF), so a file name
// comes back byte for byte. Error lines show arguments quoted, on one line.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace shrink4 {

QStringList argumentsOf(int argc, const char* const* argv);

// The bytes the argument was given as.
QByteArray argumentBytes(const QString& argument);

// Whether a name holds bytes that are not UTF-8: Qt's file classes would open another name.
bool holdsStrayBytes(const QString& name);

// The argument in double quotes, with quotes, backslashes, control characters and stray
// bytes escaped, so that it can neither break nor end an error line.
QString quoted(const QString& argument);

// Only control characters and stray bytes escaped, for text that quotes its own.
QString escaped(const QString& text);

} // namespace shrink4
