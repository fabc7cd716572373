#pragma once
// Temporaries a save file leaves behind when the program dies between writing and
// publishing them: "<name>." and six characters, next to the file they were meant for.

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace shrink4 {

// Removes, from folder, the temporaries of the given file names last written before
// `olderThan` (a live save file, in this program or another, is younger). Returns how
// many it removed.
int removeStaleTemporaries(const QString& folder, const QStringList& fileNames, const QDateTime& olderThan);

} // namespace shrink4
