#pragma once
// Past draws as the player gave them, kept as text in the program's data folder from one
// start to the next.

#include "scheme/DrawsText.h"

#include <QString>

namespace shrink4 {

// draws.txt in the program's data folder.
QString defaultDrawsPath();

// The kept draws, or an empty text when none were kept yet.
DrawsFileText readKeptDraws(const QString& path);

// Replaces the kept file whole or not at all, creating its folder; *reason says why not.
// Writes nothing where the window keeps nothing (KeepNothing.h).
bool keepDraws(const QString& path, const QString& text, QString* reason);

} // namespace shrink4
