#pragma once
// Export of a splice result to the page's text file: one line, whole or not at all.

#include <QString>

class QWidget;

namespace shrink4 {

struct SpliceExportFolders {
    QString program;   // the folder that holds the program
    QString documents; // the user's documents folder, used when the first is not writable
};

SpliceExportFolders defaultSpliceExportFolders();

// The program's folder when it is a writable folder; otherwise the documents folder,
// created when missing (a failure to create it shows up when the file is written).
QString chooseExportFolder(const SpliceExportFolders& folders);

// Replaces the file at path with the text, leading and trailing spaces removed, followed
// by CR LF. Through a temporary file, so a failure leaves any previous file as it was.
bool writeExportFile(const QString& path, const QString& text);

struct SpliceExportResult {
    enum class Outcome { NothingToExport, Written, Failed };
    Outcome outcome;
    QString path; // the file written, or the one that could not be
};

SpliceExportResult exportSpliceText(const QString& text, const QString& fileName,
                                    const SpliceExportFolders& folders);

// exportSpliceText, reported by message box ("导出成功：" and the path, or "导出失败");
// an empty result exports and reports nothing.
void exportSpliceResult(QWidget* parent, const QString& text, const QString& fileName,
                        const SpliceExportFolders& folders);

} // namespace shrink4
