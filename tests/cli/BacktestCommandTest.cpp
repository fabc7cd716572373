// shrink4-cli backtest, through the real binary.

#include "cli/CliTestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace shrink4::testing;

namespace {

// Survivors 5678, 1111 and 0202: 1234 falls to both rows, 0001 and 5500 to the sum tails.
const QByteArray kScheme = "{\"shrink4-scheme\": 1, \"controls\": {\"T_main_sha_2ma\": \"12\", "
                           "\"Check_hewei_sha\": [1, 1, 0, 0, 0, 0, 0, 0, 0, 0], "
                           "\"T_dadi_nb\": \"1234 1200 5678 0000 1111 0202 0001\"}}";

// Newest first, as many sites list them, under a header line.
const QByteArray kDraws = "期号 号码\n2024005 5500\n2024004 1111\n2024003,0,0,0,1\n2024002 1234\n2024001 5678\n";

QJsonObject backtestJson(const QStringList& options, CliOutcome* outcome = nullptr)
{
    TempInput scheme(kScheme);
    TempInput draws(kDraws);
    const auto r = runCli(QStringList{QStringLiteral("backtest"), QStringLiteral("--json")} + options +
                          QStringList{scheme.path(), draws.path()});
    if (outcome)
        *outcome = r;
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    return QJsonDocument::fromJson(r.out).object();
}

} // namespace

TEST(BacktestCommand, DrawsInTimeOrderWithSummaryAndConditions)
{
    CliOutcome r;
    const auto o = backtestJson({}, &r);
    EXPECT_TRUE(r.out.startsWith("{\"draws\": [{\"label\": \"2024001\", \"number\": \"5678\", \"listed\": true, "
                                 "\"fail_count\": 0, \"in_pool\": true, \"failed\": []}, "))
        << r.out.constData();
    const auto draws = o.value(QStringLiteral("draws")).toArray();
    ASSERT_EQ(draws.size(), 5);
    const auto fifth = draws.at(4).toObject();
    EXPECT_EQ(fifth.value(QStringLiteral("number")).toString(), QStringLiteral("5500"));
    EXPECT_FALSE(fifth.value(QStringLiteral("in_pool")).toBool());
    EXPECT_EQ(fifth.value(QStringLiteral("failed")).toArray(), QJsonArray{QStringLiteral("Check_hewei_sha")});

    // Listed: 5678 and 1111; missed: 1234, 0001, then 5500 at the end.
    const auto s = o.value(QStringLiteral("summary")).toObject();
    EXPECT_EQ(s.keys().size(), 8);
    EXPECT_EQ(s.value(QStringLiteral("draws")).toInt(), 5);
    EXPECT_EQ(s.value(QStringLiteral("listed")).toInt(), 2);
    EXPECT_NEAR(s.value(QStringLiteral("hit_rate")).toDouble(), 0.4, 1e-9);
    EXPECT_EQ(s.value(QStringLiteral("survivors")).toInt(), 3);
    EXPECT_NEAR(s.value(QStringLiteral("baseline")).toDouble(), 0.0003, 1e-12);
    EXPECT_NEAR(s.value(QStringLiteral("lift")).toDouble(), 0.4 / 0.0003, 1e-6);
    EXPECT_EQ(s.value(QStringLiteral("longest_miss_run")).toInt(), 2);
    EXPECT_EQ(s.value(QStringLiteral("current_miss_run")).toInt(), 1);

    const auto conditions = o.value(QStringLiteral("conditions")).toArray();
    ASSERT_EQ(conditions.size(), 2);
    EXPECT_EQ(conditions.at(1).toObject().value(QStringLiteral("killed_draws")).toInt(), 3);
    EXPECT_NEAR(conditions.at(1).toObject().value(QStringLiteral("rate")).toDouble(), 0.6, 1e-9);
}

TEST(BacktestCommand, LastKeepsTheLatestDraws)
{
    const auto draws = backtestJson({QStringLiteral("--last"), QStringLiteral("2")}).value(QStringLiteral("draws")).toArray();
    ASSERT_EQ(draws.size(), 2);
    EXPECT_EQ(draws.at(0).toObject().value(QStringLiteral("label")).toString(), QStringLiteral("2024004"));
    EXPECT_EQ(backtestJson({QStringLiteral("--last"), QStringLiteral("50")}).value(QStringLiteral("draws")).toArray().size(), 5);
}

TEST(BacktestCommand, BadInputIsOneLineAndExitTwo)
{
    TempInput scheme(kScheme);
    TempInput badDraws("1234\n2024002 12\n");
    TempInput draws(kDraws);
    const QStringList cases[] = {
        {scheme.path(), badDraws.path()},
        {QStringLiteral("--last"), QStringLiteral("0"), scheme.path(), draws.path()},
        {QStringLiteral("--last"), QStringLiteral("x"), scheme.path(), draws.path()},
        {QStringLiteral("-"), QStringLiteral("-")},
    };
    for (const auto& arguments : cases) {
        const auto r = runCli(QStringList{QStringLiteral("backtest")} + arguments, kScheme);
        EXPECT_EQ(r.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_TRUE(runCli({QStringLiteral("backtest"), scheme.path(), badDraws.path()}).err.contains("line 2"));
}
