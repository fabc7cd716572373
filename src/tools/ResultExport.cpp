#include "ResultExport.h"

#include "core/TextScan.h"

namespace shrink4 {

namespace {

std::string textFile(const std::vector<int>& numbers)
{
    std::string out;
    out.reserve(numbers.size() * 6);
    for (int n : numbers)
        out.append(numberText(n)).append("\r\n");
    return out;
}

std::string csvFile(const std::vector<int>& numbers, bool groupForms)
{
    std::string out = "\xEF\xBB\xBF";
    out.reserve(numbers.size() * 16 + 32);
    out.append(groupForms ? "序号,组选号码\r\n" : "序号,直选号码\r\n");
    int row = 0;
    for (int n : numbers)
        out.append(std::to_string(++row)).append(",=\"").append(numberText(n)).append("\"\r\n");
    return out;
}

} // namespace

std::string resultExportBytes(const std::vector<int>& numbers, bool groupForms, ExportFormat format)
{
    return format == ExportFormat::Csv ? csvFile(numbers, groupForms) : textFile(numbers);
}

} // namespace shrink4
