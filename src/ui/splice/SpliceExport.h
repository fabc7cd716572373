#pragma once
// Export of a splice result to the page's text file: one line, whole or not at all.

#include "ui/application/ExportFolder.h"

#include <QString>

class QWidget;

namespace shrink4 {

// Replaces the file at path with the text, leading and trailing spaces removed, followed
// by CR LF. Through a temporary file, so a failure leaves any previous file as it was;
// *reason (when given) then says why in Chinese.
bool writeExportFile(const QString& path, const QString& text, QString* reason = nullptr);

struct SpliceExportResult {
    enum class Outcome { NothingToExport, NoFolder, Written, Failed };
    Outcome outcome;
    QString path;   // the file written, or the one that could not be
    QString reason; // why it could not, in Chinese
};

// Writes into the chosen folder and touches nothing else there: a file beside the export
// may be the player's, whatever its name.
SpliceExportResult exportSpliceText(const QString& text, const QString& fileName, const SpliceExportFolders& folders);

// exportSpliceText, reported by message box (where it went and why, and the path; or a warning with
// the path and the reason); with no usable folder the player picks the file. An empty
// result writes nothing and says so.
void exportSpliceResult(QWidget* parent, const QString& text, const QString& fileName,
                        const SpliceExportFolders& folders);

// 另存为: the player picks the file (the dialog asks before replacing one), reported the
// same way.
void exportSpliceResultAs(QWidget* parent, const QString& text, const QString& fileName);

} // namespace shrink4
