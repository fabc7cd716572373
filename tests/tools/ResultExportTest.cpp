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

// A text list exports exactly as the same numbers do, whatever separates them; groups of
// another width are written as they stand.
TEST(ResultExport, TextListsMatchNumberLists)
{
    const std::vector<int> numbers{7, 120, 9999};
    for (const ExportFormat format : {ExportFormat::Text, ExportFormat::Csv})
        EXPECT_EQ(resultExportBytes(" 0007,0120\n9999 ", false, format), resultExportBytes(numbers, false, format));
    EXPECT_EQ(resultExportBytes("01234 99999", false, ExportFormat::Text), "01234\r\n99999\r\n");
    EXPECT_EQ(resultExportBytes(" \n", false, ExportFormat::Csv),
              resultExportBytes(std::vector<int>{}, false, ExportFormat::Csv));
}
