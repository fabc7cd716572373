#pragma once
// Reads an input whole: a regular file, or standard input for "-". Anything else (a
// directory, a device, a named pipe) and anything over the limit is refused before it is
// read, so a wrong path can neither block nor fill the memory.

#include <QByteArray>
#include <QString>

#include <optional>

namespace shrink4 {

inline constexpr qint64 kMaxInputBytes = qint64(256) * 1024 * 1024;

struct InputBytes {
    std::optional<QByteArray> bytes; // set on success
    QString error;                   // one English line: where, then what is wrong
    QString message;                 // the same in Chinese, for the window
};

InputBytes readInputFile(const QString& path, qint64 limit = kMaxInputBytes);

// The same for a file name given as bytes, which need not be UTF-8; errors name the file
// as shownName.
InputBytes readInputFile(const QByteArray& encodedPath, const QString& shownName, qint64 limit = kMaxInputBytes);

} // namespace shrink4
