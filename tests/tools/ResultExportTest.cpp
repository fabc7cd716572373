#include "tools/ResultExport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace shrink4;

TEST(ResultExport, TextAndTableForms)
{
    struct Case {
        std::vector<int> numbers;
        bool groupForms;
        ExportFormat format;
        std::string expected;
    };
    const Case cases[] = {
        {{7, 120, 9999}, false, ExportFormat::Text, "0007\r\n0120\r\n9999\r\n"},
        {{}, false, ExportFormat::Text, ""},
        // The byte order mark, the header naming the form, leading zeros kept as text.
        {{7, 9999}, false, ExportFormat::Csv, "\xEF\xBB\xBF序号,直选号码\r\n1,=\"0007\"\r\n2,=\"9999\"\r\n"},
        {{1234}, true, ExportFormat::Csv, "\xEF\xBB\xBF序号,组选号码\r\n1,=\"1234\"\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(resultExportBytes(c.numbers, c.groupForms, c.format), c.expected);
}
