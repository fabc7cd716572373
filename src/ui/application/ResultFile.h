#pragma once
// A result written to a file the way every export writes it: the file's suffix picks the
// text file, the CSV table or the Excel workbook, and the file is replaced whole or not at all.

#include "ui/application/SchemeDialogs.h"
#include "ui/application/Workbook.h"

#include "tools/ResultExport.h"

#include <QString>

#include <string_view>
#include <vector>

namespace shrink4 {

// .csv (in any case) is the table; anything else the text file (.xlsx is told by isWorkbookPath).
ExportFormat exportFormatOf(const QString& path);

// A save dialog offering every format, the text file first.
SaveDialogSpec resultSaveDialog(const QString& caption, const QString& start, const QString& objectName);

// The sheet of numbers every exported workbook has: the numbers as text beside their row.
Sheet numbersSheet(const QStringList& numbers, bool groupForms);
Sheet numbersSheet(const std::vector<int>& numbers, bool groupForms);

// Writes numbers (ascending, four digits) in the format of the path. On failure the old
// file stays as it was and *reason says why in Chinese.
bool writeResultFile(const QString& path, const std::vector<int>& numbers, bool groupForms, QString* reason);
// The same for the direct numbers among the digit groups of a text, each as it stands.
bool writeResultFile(const QString& path, std::string_view numberText, QString* reason);

} // namespace shrink4
