#pragma once
// Past draws files as text, for the window and the command line alike: however an editor
// saved a file, it gives the same draws.

#include "InputFile.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace shrink4 {

// A draws file's bytes as text for readDraws (as UTF-8). Files carry UTF-8 or UTF-16, with
// a byte order mark or without one (then known by one zero byte in every pair of the
// first kilobyte, as Latin text and digits give); bytes that are not valid UTF-8 are read as GB18030, what Chinese
// Windows tools write, so that labels and headers come through instead of replacement
// marks. Every line break becomes LF, and full-width characters become ASCII, as they do
// when the same text is typed or pasted into a box.
QString decodeDrawsText(const QByteArray& bytes);

// The answer for every draw is built whole before it is shown: on the command line some
// 600 bytes a draw, over a hundred times its line in the file, and the window reads a text
// as it is applied. A larger file is refused rather than read until memory runs out; the
// longest real history is a few hundred kilobytes.
inline constexpr qint64 kMaxDrawsBytes = qint64(8) * 1024 * 1024;

struct DrawsFileText {
    std::optional<QString> text; // set on success
    QString error;               // one English line: where, then what is wrong
    QString message;             // the same in Chinese, for the window
};

// The bytes as text, or refused when they hold zero bytes yet are no UTF-16 known by the
// rule above: read as UTF-8 every zero would split the digits, losing every issue number.
// `where` names the file in the error.
DrawsFileText decodeDrawsFile(const QByteArray& bytes, const QString& where);

// Reads a regular file, or standard input for "-", within the input size limit.
DrawsFileText readDrawsFile(const QString& path, qint64 limit = kMaxDrawsBytes);

} // namespace shrink4
