#pragma once
// 导出结果: the listed result to a text, CSV or Excel file the player picks.

class QWidget;

namespace shrink4 {

struct ResultReport;

// Asks where to write (the filter or suffix picks the format; the workbook holds the
// conditions too), writes the file whole or not at all and reports either way. An empty
// result is reported and nothing written. True when a file was written.
bool exportResultToFile(QWidget* parent, const ResultReport& report);

} // namespace shrink4
