// shrink4-cli stats and explain, through the real binary.

#include "cli/CliTestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace shrink4::testing;

namespace {

// 1234 falls to both rows, 1200 to the two-code kill alone, 0000 and 0001 to the sum tails.
const QByteArray kScheme =
    "{\"shrink4-scheme\": 1, \"controls\": {\"T_main_sha_2ma\": \"12\", "
    "\"Check_hewei_sha\": [1, 1, 0, 0, 0, 0, 0, 0, 0, 0], "
    "\"T_dadi_nb\": \"1234 1200 5678 0000 1111 0202 0001\"}}";

} // namespace

TEST(StatsCommand, JsonCountsEachCondition)
{
    TempInput file(kScheme);
    const auto r = runCli({QStringLiteral("stats"), QStringLiteral("--json"), file.path()});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    // Keys in the documented order.
    EXPECT_TRUE(
        r.out.startsWith("{\"count\": 3, \"pool\": 7, \"conditions\": [{\"key\": \"T_main_sha_2ma\", "
                         "\"caption\": \"杀两码组合\", \"kills\": 974, \"kills_in_pool\": 2, \"only\": 1}, "))
        << r.out.constData();
    const auto o = QJsonDocument::fromJson(r.out).object();
    const auto hewei = o.value(QStringLiteral("conditions")).toArray().at(1).toObject();
    EXPECT_EQ(hewei.value(QStringLiteral("kills")).toInt(), 2000);
    EXPECT_EQ(hewei.value(QStringLiteral("only")).toInt(), 2);
    EXPECT_EQ(o.value(QStringLiteral("histogram")).toArray(), (QJsonArray{3, 3, 1}));
}

TEST(StatsCommand, TableNamesEachConditionByCaption)
{
    const auto r = runCli({QStringLiteral("stats"), QStringLiteral("-")}, kScheme);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QString text = QString::fromUtf8(r.out);
    EXPECT_TRUE(text.contains(QStringLiteral("杀两码组合")));
    EXPECT_TRUE(text.contains(QStringLiteral("杀和尾")));
}

TEST(ExplainCommand, NamesTheFailingConditions)
{
    TempInput file(kScheme);
    struct Case {
        QString number;
        QByteArray json;
    } cases[] = {
        {QStringLiteral("1234"),
         "{\"number\": \"1234\", \"listed\": false, \"in_pool\": true, \"fail_count\": 2, "
         "\"failed\": [\"T_main_sha_2ma\", \"Check_hewei_sha\"]}\n"},
        {QStringLiteral(" ５６７８\u3000"),
         "{\"number\": \"5678\", \"listed\": true, \"in_pool\": true, "
         "\"fail_count\": 0, \"failed\": []}\n"},
        {QStringLiteral("5500"),
         "{\"number\": \"5500\", \"listed\": false, \"in_pool\": false, \"fail_count\": 1, "
         "\"failed\": [\"Check_hewei_sha\"]}\n"},
    };
    for (const auto& c : cases) {
        const auto r = runCli({QStringLiteral("explain"), QStringLiteral("--json"), file.path(), c.number});
        EXPECT_EQ(r.exitCode, 0) << r.err.constData();
        EXPECT_EQ(r.out, c.json) << c.number.toStdString();
    }
}

TEST(ExplainCommand, RefusesAnythingButFourDigits)
{
    TempInput file(kScheme);
    for (const char* number : {"123", "12345", "12a4", "", "1 234", "+123", "１２３"}) {
        const auto r = runCli({QStringLiteral("explain"), file.path(), QString::fromUtf8(number)});
        EXPECT_EQ(r.exitCode, 2) << number;
        EXPECT_TRUE(r.out.isEmpty()) << number;
        EXPECT_EQ(r.err.count('\n'), 1) << number;
    }
}
