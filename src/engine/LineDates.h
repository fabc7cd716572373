#pragma once
// Dates and times of day on a draw's line are no part of the draw: published lists put the
// draw's date beside its issue, and spreadsheets add the time it was drawn.

#include <string>
#include <string_view>

namespace shrink4 {

// The line with every date (2024-01-10, 2024/1/10, 2024.01.10, 2024年1月10日; a year from
// 1900 to 2099) and every time of day (21:30, 9:05:00; ':' or '：') that touches no other
// digit turned into spaces, byte for byte, so that offsets into the line stay good. The
// line itself when it holds none; otherwise the copy is made in `scratch`.
std::string_view withoutDatesAndTimes(std::string_view line, std::string& scratch);

} // namespace shrink4
