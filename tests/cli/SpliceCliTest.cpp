#include "cli/CliTestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using shrink4::testing::runCli;
using shrink4::testing::TempInput;

namespace {

QString box(int k, const TempInput& file)
{
    return QStringLiteral("%1=%2").arg(k).arg(file.path());
}

void expectBadInput(const shrink4::testing::CliOutcome& r)
{
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.isEmpty()) << r.out.constData();
    EXPECT_FALSE(r.err.isEmpty());
}

} // namespace

TEST(CliSplice, KeepPrintsTheResultTextOnOneLine)
{
    const TempInput thousandsHundreds("12\r\n");
    const TempInput tensUnits("34");
    auto r = runCli({"splice", "--page", "24", "--box", box(0, thousandsHundreds), "--box", box(5, tensUnits)});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "1234\n");

    r = runCli({"splice", "--page", "34", "--box", "0=-"}, "123 563");
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith("1230 1231 "));
    EXPECT_TRUE(r.out.endsWith(" 5638 5639\n"));
    EXPECT_EQ(r.out.count(' '), 19);
}

TEST(CliSplice, DeleteAndJsonOnAFiveDigitPage)
{
    const TempInput tenThousandsThousands("05");
    auto r = runCli({"splice", "--page", "25", "--json", "--box", box(0, tenThousandsThousands)});
    ASSERT_EQ(r.exitCode, 0);
    const auto json = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(json.value("count").toInt(), 1000);
    const auto numbers = json.value("numbers").toArray();
    ASSERT_EQ(numbers.size(), 1000);
    EXPECT_EQ(numbers.first().toString(), "05000");
    EXPECT_EQ(numbers.last().toString(), "05999");

    r = runCli({"splice", "--page", "25", "--delete", "--json", "--box", box(0, tenThousandsThousands)});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(QJsonDocument::fromJson(r.out).object().value("count").toInt(), 99000);
}

TEST(CliSplice, EmptyResultIsASuccess)
{
    const TempInput noDigits("abc\r\n");
    const auto r = runCli({"splice", "--page", "45", "--json", "--box", box(4, noDigits)});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "{\"count\": 0, \"numbers\": []}\n");
}

TEST(CliSplice, EveryBoxEmptyFiltersNothing)
{
    const TempInput spaces("   ");
    expectBadInput(runCli({"splice", "--page", "35"}));
    const auto r = runCli({"splice", "--page", "35", "--box", box(9, spaces)});
    expectBadInput(r);
    EXPECT_TRUE(r.err.contains("empty"));
}

TEST(CliSplice, BadUsageWritesNothingToStandardOutput)
{
    const TempInput groups("12");
    expectBadInput(runCli({"splice", "--box", box(0, groups)}));                 // no page
    expectBadInput(runCli({"splice", "--page", "33", "--box", box(0, groups)})); // unknown page
    expectBadInput(runCli({"splice", "--page", "24", "--box", box(6, groups)})); // past the last box
    expectBadInput(runCli({"splice", "--page", "24", "--box", "x=" + groups.path()}));
    expectBadInput(runCli({"splice", "--page", "24", "--box", groups.path()})); // no K=
    expectBadInput(runCli({"splice", "--page", "24", "--box", box(0, groups), "--box", box(0, groups)}));
    expectBadInput(runCli({"splice", "--page", "24", "--box", "0=/nonexistent/box.txt"}));
    expectBadInput(runCli({"splice", "--page", "24", "--box", "0=-", "--box", "1=-"}, "12"));
    expectBadInput(runCli({"splice", "--page", "24", "extra", "--box", box(0, groups)}));
}
