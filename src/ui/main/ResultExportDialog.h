#pragma once
// 导出结果: the listed result to a text or CSV file the player picks.

#include <vector>

class QWidget;

namespace shrink4 {

// Asks where to write (the .csv filter or suffix picks the table), writes the file whole
// or not at all and reports either way. An empty result is reported and nothing written.
// True when a file was written.
bool exportResultToFile(QWidget* parent, const std::vector<int>& numbers, bool groupForms);

} // namespace shrink4
