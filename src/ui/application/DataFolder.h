#pragma once
// The one folder the program keeps its data in: the program's own folder of the shared
// data location (~/.local/share/shrink4 on Linux, AppData\Local\shrink4 on Windows).

#include <QString>

namespace shrink4 {

QString dataFolder();

// The kept file `name` in the data folder. A file an earlier version kept in the
// organization's folder below it is moved up first, so that nothing kept is lost.
QString dataFile(const QString& name);

} // namespace shrink4
