#include "cli/CliTestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using shrink4::testing::runCli;
using shrink4::testing::TempInput;

namespace {

TEST(CliSets, FourOperationsAgreeWithTheTool)
{
    const TempInput a("1234 5678");
    const TempInput b("5678\r\n9999\r\n");
    EXPECT_EQ(runCli({"sets", "--op", "and", a.path(), b.path()}).out, "5678\n");
    EXPECT_EQ(runCli({"sets", "--op", "or", a.path(), b.path()}).out, "1234 5678 9999\n");
    EXPECT_EQ(runCli({"sets", "--op", "a-b", a.path(), b.path()}).out, "1234\n");
    EXPECT_EQ(runCli({"sets", "--op", "b-a", a.path(), b.path()}).out, "9999\n");
}

TEST(CliSets, StandardInputForOneListAndJson)
{
    const TempInput b("");
    const auto r = runCli({"sets", "--op", "or", "--json", "-", b.path()}, "9999 12345 0000 9999");
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const auto json = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(json.value("count").toInt(), 4);
    EXPECT_EQ(json.value("numbers").toArray(), (QJsonArray{"0000", "1234", "2345", "9999"}));
}

TEST(CliSets, EmptyResultIsAnEmptyLine)
{
    const TempInput a("12 0012"), b("");
    auto r = runCli({"sets", "--op", "and", a.path(), b.path()});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "\n");
    r = runCli({"sets", "--op", "and", "--json", a.path(), b.path()});
    EXPECT_EQ(r.out, "{\"count\": 0, \"numbers\": []}\n");
}

TEST(CliSets, BadUsageExitsWithTwoAndNoOutput)
{
    const TempInput a("1234");
    const QList<QStringList> cases = {
        {"sets", a.path(), a.path()},                               // no --op
        {"sets", "--op", "xor", a.path(), a.path()},                // unknown op
        {"sets", "--op", "and", "-", "-"},                          // stdin twice
        {"sets", "--op", "and", a.path()},                          // one list only
        {"sets", "--op", "and", a.path(), "/nonexistent/list.txt"}, // unreadable
    };
    for (const auto& args : cases) {
        const auto r = runCli(args, "1234");
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << args.join(' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty());
    }
}

TEST(CliSets, HelpSucceeds)
{
    const auto r = runCli({"sets", "--help"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.contains("--op"));
}

} // namespace
