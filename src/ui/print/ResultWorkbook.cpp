#include "ResultWorkbook.h"

#include "ui/application/ResultFile.h"
#include "ui/print/ResultReport.h"
#include "ui/widgets/QtText.h"

namespace shrink4 {

namespace {

Sheet conditionsSheet(const ResultReport& report)
{
    Sheet sheet;
    sheet.name = QStringLiteral("条件");
    sheet.lead = {reportTitle(report), notesLine(report), QString()};
    sheet.header = {QStringLiteral("序"), QStringLiteral("条件"), QStringLiteral("删除"), QStringLiteral("大底内删除"),
                    QStringLiteral("仅此删除")};
    sheet.columnWidths = {6, 24, 10, 12, 10};
    int order = 0;
    for (const RowStatistics& row : report.rows)
        sheet.rows.append({++order, toQString(row.caption), row.kills, row.killsInPool, row.only});
    if (report.rows.empty())
        sheet.rows.append({QString(), QStringLiteral("没有参与的条件")});
    return sheet;
}

} // namespace

QList<Sheet> resultSheets(const ResultReport& report)
{
    return {numbersSheet(report.numbers, report.groupForms), conditionsSheet(report)};
}

} // namespace shrink4
