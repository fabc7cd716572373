#pragma once
// The listed result as it leaves the window, printed or as a workbook: the scheme it
// belongs to, when it was run, its numbers, the notes of its conditions and what each
// condition removed.

#include "engine/Statistics.h"

#include <QDateTime>
#include <QString>

#include <vector>

namespace shrink4 {

class ResultView;

struct ResultReport {
    QString scheme; // the scheme's file name without its folder, or that there is none
    QDateTime ranAt;
    std::vector<int> numbers; // ascending, four digits each
    bool groupForms = false;
    QString notes;                   // what the conditions are read as, a note after another
    std::vector<RowStatistics> rows; // each condition that took part, run order
};

// The shown result, run with the conditions it belongs to. schemePath may be empty.
ResultReport makeResultReport(const ResultView& view, const QString& schemePath);

// 直选 or 组选, as the header of the number column.
QString numbersCaption(const ResultReport& report);
// One line: scheme, date and count.
QString reportTitle(const ResultReport& report);
// The notes, or that the conditions are read as they look.
QString notesLine(const ResultReport& report);

} // namespace shrink4
