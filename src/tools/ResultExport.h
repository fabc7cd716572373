#pragma once
// A listed result written out for other programs: a text file of one number a line, or
// a CSV table that spreadsheet programs open with its Chinese header and leading zeros.

#include <string>
#include <string_view>
#include <vector>

namespace shrink4 {

enum class ExportFormat { Text, Csv };

// numbers ascending as listed; groupForms names them 组选 in the CSV header, else 直选.
// Lines end in CR LF. The CSV starts with a UTF-8 byte order mark (without it Excel reads
// the header in the local code page) and writes each number as ="0123", which keeps its
// leading zeros where a bare 0123 would be read as 123.
std::string resultExportBytes(const std::vector<int>& numbers, bool groupForms, ExportFormat format);

// The same for the digit groups of a text, each written as it stands: results of other
// widths (the splice tool's five-digit numbers) and lists the player may have edited.
std::string resultExportBytes(std::string_view numberText, bool groupForms, ExportFormat format);

} // namespace shrink4
