#pragma once
// An Excel workbook (.xlsx) written whole or not at all: sheets of rows whose text cells
// stay text (0123 keeps its zero) and whose numbers stay numbers (sortable in the sheet).

#include <QList>
#include <QString>
#include <QVariant>

namespace shrink4 {

struct Sheet {
    QString name;             // shown on the sheet's tab
    QStringList lead;         // lines above the table, in the first column
    QStringList header;       // the table's first row, bold; may be empty
    QList<QVariantList> rows; // int and double cells are numbers, anything else text
    QList<int> columnWidths;  // in characters, from the first column; the rest default
};

// Writes the sheets to path. On failure the old file stays as it was and *reason says
// why in Chinese.
bool writeWorkbook(const QString& path, const QList<Sheet>& sheets, QString* reason);

// Whether the path names a workbook (.xlsx in any case).
bool isWorkbookPath(const QString& path);

} // namespace shrink4
