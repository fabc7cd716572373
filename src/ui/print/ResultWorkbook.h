#pragma once
// The result as an Excel workbook: a sheet 号码 of the numbers as text, and a sheet 条件
// of the header, the notes and what each condition removed.

#include "ui/application/Workbook.h"

namespace shrink4 {

struct ResultReport;

QList<Sheet> resultSheets(const ResultReport& report);

} // namespace shrink4
