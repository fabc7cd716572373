#include "cli/CliTestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using shrink4::testing::runCli;
using shrink4::testing::TempInput;

namespace {

const QByteArray kEmptyScheme = R"({"shrink4-scheme": 1, "controls": {}})";

QByteArray poolScheme(const char* pool)
{
    return QByteArray(R"({"shrink4-scheme": 1, "controls": {"T_dadi_nb": ")") + pool + "\"}}";
}

TEST(CliRun, EmptySchemeFromStdinListsEveryNumber)
{
    const auto r = runCli({"run", "-"}, kEmptyScheme);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.count('\n'), 10000);
    EXPECT_TRUE(r.out.startsWith("0000\n0001\n"));
}

TEST(CliGroup, EverySurvivorGivesAll715Forms)
{
    const auto r = runCli({"group", "-"}, kEmptyScheme);
    ASSERT_EQ(r.exitCode, 0);
    const auto lines = r.out.split('\n');
    ASSERT_EQ(lines.size(), 716); // 715 forms and the empty piece after the last line break
    EXPECT_EQ(lines.front(), "0000");
    EXPECT_EQ(lines.at(1), "0001");
    EXPECT_EQ(lines.at(714), "9999");
    EXPECT_FALSE(r.out.contains("0010"));
}

TEST(CliGroup, ConvertsOnlyTheNumbersInsideTheBasePool)
{
    const TempInput scheme(poolScheme("4321 2143 0990"));
    const auto r = runCli({"group", "--json", scheme.path()});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const auto json = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(json.value("count").toInt(), 2);
    EXPECT_EQ(json.value("groups").toArray(), (QJsonArray{"0099", "1234"}));
    EXPECT_EQ(json.value("result_text").toString(), "0099  1234  ");
    EXPECT_EQ(r.out.indexOf("\"count\""), 1); // keys in the documented order
}

TEST(CliGroup, EmptyResultIsASuccess)
{
    // A base pool holding only a three-digit run lists no number.
    const auto r = runCli({"group", "--json", "-"}, poolScheme("123"));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "{\"count\": 0, \"groups\": [], \"result_text\": \"\"}\n");
}

TEST(CliGroup, BadInputExitsWithTwoAndNoOutput)
{
    for (const auto& args : {QStringList{"group"}, QStringList{"group", "-", "extra"},
                             QStringList{"group", "/nonexistent/scheme.json"}, QStringList{"group", "--bogus", "-"}}) {
        const auto r = runCli(args, kEmptyScheme);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_FALSE(r.err.isEmpty());
    }
    const auto r = runCli({"group", "-"}, R"({"shrink4-scheme": 2, "controls": {}})");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.isEmpty());
}

TEST(CliCheck, GroupOptionComparesByGroupForm)
{
    const QByteArray scheme = poolScheme("1234");
    EXPECT_EQ(runCli({"check", "--group", "-", "4321"}, scheme).out, "【恭喜中奖】\n");
    EXPECT_EQ(runCli({"check", "--group", "-", "1234"}, scheme).out, "【恭喜中奖】\n");
    EXPECT_EQ(runCli({"check", "--group", "-", "1235"}, scheme).out, "【没有中奖】\n");
    EXPECT_EQ(runCli({"check", "--group", "-", "432"}, scheme).out, "【号码不全】\n");
    // Without the option a straight number must match in order.
    EXPECT_EQ(runCli({"check", "-", "4321"}, scheme).out, "【没有中奖】\n");
    // A conversion with nothing listed: the drawn number is not in it.
    EXPECT_EQ(runCli({"check", "--group", "-", "1234"}, poolScheme("123")).out, "【没有中奖】\n");
}

} // namespace
