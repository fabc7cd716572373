#pragma once
// Past draws as the player gave them, kept as text in the program's data folder from one
// start to the next.

#include <QByteArray>
#include <QString>

#include <optional>

namespace shrink4 {

// draws.txt in the program's data folder.
QString defaultDrawsPath();

// A draws file's bytes as text. Files carry UTF-8 or, with a byte order mark, UTF-16;
// bytes that are not valid UTF-8 are read as GB18030, what Chinese Windows tools write,
// so that labels and headers come through instead of replacement marks.
QString decodeDrawsText(const QByteArray& bytes);

struct DrawsFileText {
    std::optional<QString> text; // set on success
    QString message;             // in Chinese, on failure
};

// Reads a file the player chose: regular files only, within the input size limit.
DrawsFileText readDrawsFile(const QString& path);

// The kept draws, or an empty text when none were kept yet.
DrawsFileText readKeptDraws(const QString& path);

// Replaces the kept file whole or not at all, creating its folder; *reason says why not.
bool keepDraws(const QString& path, const QString& text, QString* reason);

} // namespace shrink4
