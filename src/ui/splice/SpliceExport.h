#pragma once
// Export of a splice result, written as the main window's 导出结果 writes a result: one
// number a line, or a CSV table when the file is named .csv; whole or not at all.

#include "ui/application/ExportFolder.h"

#include <QString>

class QWidget;

namespace shrink4 {

// 导出号码: one click writes fileName into the chosen folder and touches nothing else
// there (a file beside the export may be the player's, whatever its name). An export
// already there is replaced only when the player says so, or saved elsewhere. With no
// usable folder the player picks the file. Reported by message box (where it went and
// why, or the reason it failed); an empty result writes nothing and says so.
void exportSpliceResult(QWidget* parent, const QString& text, const QString& fileName,
                        const SpliceExportFolders& folders);

// 另存为: the player picks the file, starting at `start` (a name or a whole path); the
// dialog asks before replacing one. Reported the same way.
void exportSpliceResultAs(QWidget* parent, const QString& text, const QString& start);

} // namespace shrink4
