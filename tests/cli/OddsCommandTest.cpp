// shrink4-cli odds and backtest --prizes, through the real binary: the figures a player can
// check by hand, and every bad table refused naming what is wrong.

#include "cli/CliTestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace shrink4::testing;

namespace {

const QByteArray kTable = R"({"shrink4-prizes": 1, "name": "示例", "price": 2, "currency": "元",
 "tiers": [{"name": "直选", "match": "exact", "prize": 10000},
           {"name": "后三", "match": "positions", "positions": [2, 3, 4], "prize": 1000},
           {"name": "组选", "match": "box", "prize": 400}]})";

} // namespace

// One ticket 1234: 直选 on one draw, 后三 on 9, 组选 on the 23 other rearrangements. A
// backtest of the whole pool over three draws pays each draw's three tiers to its tickets.
TEST(OddsCommand, FiguresOfATicketAndOfABacktestByHand)
{
    TempInput table(kTable);
    TempInput list("1234");
    const auto r = runCli(
        {QStringLiteral("odds"), QStringLiteral("--json"), QStringLiteral("--prizes"), table.path(), list.path()});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(o[QLatin1String("tickets")].toInt(), 1);
    EXPECT_DOUBLE_EQ(o[QLatin1String("cost")].toDouble(), 2);
    EXPECT_DOUBLE_EQ(o[QLatin1String("expected_return")].toDouble(), (10000 + 9 * 1000 + 23 * 400) / 10000.0);
    EXPECT_DOUBLE_EQ(o[QLatin1String("any_prize")].toDouble(), 0.0033);
    const QJsonArray tiers = o[QLatin1String("tiers")].toArray();
    ASSERT_EQ(tiers.size(), 3);
    EXPECT_EQ(tiers[1][QLatin1String("draws")].toInt(), 9);
    EXPECT_EQ(tiers[2][QLatin1String("name")].toString(), QStringLiteral("组选"));

    // The whole pool listed: draw 1234 pays 1 × 10000 + 9 × 1000 + 23 × 400; 1111 pays
    // 10000 + 9 × 1000 (it has no other rearrangement); 10,000 tickets cost 20,000 a draw.
    TempInput scheme(R"({"shrink4-scheme": 1, "controls": {}})");
    TempInput draws("2024001 1234\n2024002 1111\n");
    const auto b = runCli({QStringLiteral("backtest"), QStringLiteral("--json"), QStringLiteral("--prizes"),
                           table.path(), scheme.path(), draws.path()});
    ASSERT_EQ(b.exitCode, 0) << b.err.constData();
    const QJsonObject s = QJsonDocument::fromJson(b.out).object()[QLatin1String("summary")].toObject();
    const double paid = (10000 + 9000 + 23 * 400) + (10000 + 9000);
    EXPECT_DOUBLE_EQ(s[QLatin1String("paid")].toDouble(), paid);
    EXPECT_DOUBLE_EQ(s[QLatin1String("cost")].toDouble(), 40000);
    EXPECT_DOUBLE_EQ(s[QLatin1String("net")].toDouble(), paid - 40000);
}

TEST(OddsCommand, BadTablesAreRefusedNamingTheFault)
{
    TempInput list("1234");
    const struct {
        const char* table;
        const char* says;
    } cases[] = {
        {R"({"shrink4-prizes": 1, "price": 2, "tiers": []})", "1 to 20 tiers"},
        {R"({"shrink4-prizes": 1, "price": -2, "tiers": [{"name": "a", "match": "exact", "prize": 1}]})", "price"},
        {R"({"shrink4-prizes": 1, "price": 2, "tiers": [{"name": "a", "match": "front", "prize": 1}]})", "tier 1"},
        {R"({"shrink4-prizes": 1, "price": 2, "tiers": [{"name": "a", "match": "positions", "positions": [1, 5],
             "prize": 1}]})",
         "position"},
        {R"({"shrink4-prizes": 1, "price": 2, "odds": 1, "tiers": [{"name": "a", "match": "box", "prize": 1}]})",
         "unknown key \"odds\""},
        {R"({"shrink4-prizes": 2, "price": 2, "tiers": [{"name": "a", "match": "box", "prize": 1}]})",
         "shrink4-prizes"},
    };
    for (const auto& c : cases) {
        TempInput table(c.table);
        const auto r = runCli({QStringLiteral("odds"), QStringLiteral("--prizes"), table.path(), list.path()});
        EXPECT_EQ(r.exitCode, 2) << c.table;
        EXPECT_TRUE(r.err.contains(c.says)) << c.table << " -> " << r.err.constData();
    }
}
