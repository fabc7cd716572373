#pragma once
// Past draws as the player gave them, kept as text in the program's data folder from one
// start to the next, and read with the layout kept beside them in the settings. Every
// window reads draws texts through readWindowDraws, so none reads them otherwise.

#include "engine/BadDrawLines.h"
#include "engine/Draws.h"
#include "engine/DrawsLayout.h"
#include "scheme/DrawsText.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstddef>

namespace shrink4 {

// draws.txt in the program's data folder.
QString defaultDrawsPath();

// The kept draws, or an empty text when none were kept yet.
DrawsFileText readKeptDraws(const QString& path);

// Replaces the kept file whole or not at all, creating its folder; *reason says why not.
// Writes nothing where the window keeps nothing (KeepNothing.h).
bool keepDraws(const QString& path, const QString& text, QString* reason);

// The layout the windows read draws with: the one the player last chose.
DrawsLayout drawsLayoutInForce();

// A draws text read with the layout in force, or with one the player is trying out.
DrawsReading readWindowDraws(const QString& text, const DrawsLayout& layout = drawsLayoutInForce());

// The refused lines of a text (as UTF-8: their byte ranges point into it), as
// readWindowDraws judges them: the first `kept`, and how many in all.
BadDrawLines findWindowBadLines(const QByteArray& utf8, std::size_t kept,
                                const DrawsLayout& layout = drawsLayoutInForce());

// One line of that text, its break left out.
QByteArray lineBytes(const QByteArray& utf8, const BadDrawLine& bad);

// The first `count` lines of a text (UTF-8), at LF, CR LF or a lone CR as the reading
// ends them, their breaks left out.
QList<QByteArray> firstLines(const QByteArray& utf8, int count);

} // namespace shrink4
