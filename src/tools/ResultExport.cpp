#include "ResultExport.h"

#include "core/TextScan.h"

#include <algorithm>

namespace shrink4 {

namespace {

std::string textFile(const std::vector<std::string_view>& numbers)
{
    std::string out;
    out.reserve(numbers.size() * 7);
    for (std::string_view n : numbers)
        out.append(n).append("\r\n");
    return out;
}

std::string csvFile(const std::vector<std::string_view>& numbers, bool groupForms)
{
    std::string out = "\xEF\xBB\xBF";
    out.reserve(numbers.size() * 17 + 32);
    out.append(groupForms ? "序号,组选号码\r\n" : "序号,直选号码\r\n");
    int row = 0;
    for (std::string_view n : numbers)
        out.append(std::to_string(++row)).append(",=\"").append(n).append("\"\r\n");
    return out;
}

std::string fileBytes(const std::vector<std::string_view>& numbers, bool groupForms, ExportFormat format)
{
    return format == ExportFormat::Csv ? csvFile(numbers, groupForms) : textFile(numbers);
}

} // namespace

std::string resultExportBytes(const std::vector<int>& numbers, bool groupForms, ExportFormat format)
{
    std::string digits(numbers.size() * 4, '0');
    std::vector<std::string_view> texts;
    texts.reserve(numbers.size());
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        writeDigits(digits.data() + i * 4, numbers[i], 4);
        texts.emplace_back(digits.data() + i * 4, 4);
    }
    return fileBytes(texts, groupForms, format);
}

std::string resultExportBytes(std::string_view numberText, bool groupForms, ExportFormat format)
{
    const std::string groups = NormalizeDigitGroups(numberText);
    std::vector<std::string_view> texts;
    for (std::size_t start = 0; start < groups.size();) {
        const std::size_t end = std::min(groups.find(' ', start), groups.size());
        texts.emplace_back(groups.data() + start, end - start);
        start = end + 1;
    }
    return fileBytes(texts, groupForms, format);
}

} // namespace shrink4
