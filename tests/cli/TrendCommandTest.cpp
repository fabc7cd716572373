// shrink4-cli trend, apply and backtest --rule, through the real binary.

#include "cli/CliTestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>
#include <vector>

using namespace shrink4::testing;

namespace {

// Newest first under a header; read oldest first: 5678, 1234, 1290, 0000.
const QByteArray kDraws = "期号 号码\n2024004 0000\n2024003 1290\n2024002 1234\n2024001 5678\n";
const QByteArray kScheme = "{\"shrink4-scheme\": 1, \"controls\": {\"T_sha_hezhi\": \"18\"}}";

CliOutcome cli(const QStringList& arguments, const QByteArray& draws = kDraws)
{
    TempInput scheme(kScheme);
    TempInput drawsFile(draws);
    QStringList args = arguments;
    args.replaceInStrings(QStringLiteral("SCHEME"), scheme.path());
    args.replaceInStrings(QStringLiteral("DRAWS"), drawsFile.path());
    return runCli(args);
}

QJsonObject jsonOf(const CliOutcome& r)
{
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    return QJsonDocument::fromJson(r.out).object();
}

QStringList valuesOf(const QJsonArray& values)
{
    QStringList texts;
    for (const auto& v : values) {
        const auto o = v.toObject();
        texts << (o.contains(QStringLiteral("position")) ? QStringLiteral("%1:%2")
                                                               .arg(o[QStringLiteral("position")].toInt())
                                                               .arg(o[QStringLiteral("value")].toString())
                                                         : o[QStringLiteral("value")].toString());
    }
    return texts;
}

} // namespace

TEST(TrendCommand, FiguresOfEveryFamily)
{
    const auto o = jsonOf(cli({QStringLiteral("trend"), QStringLiteral("--json"), QStringLiteral("--last"),
                               QStringLiteral("3"), QStringLiteral("DRAWS")}));
    EXPECT_EQ(o[QStringLiteral("draws")].toInt(), 3);
    EXPECT_EQ(o[QStringLiteral("first")].toString(), QStringLiteral("2024002"));
    EXPECT_EQ(o[QStringLiteral("last")].toString(), QStringLiteral("2024004"));
    EXPECT_FALSE(o.contains(QStringLiteral("picked")));
    const auto families = o[QStringLiteral("families")].toArray();
    QStringList names;
    for (const auto& f : families)
        names << f.toObject()[QStringLiteral("family")].toString();
    EXPECT_EQ(names.join(u' '), QStringLiteral("position position position position digit sum_tail span sum ac "
                                               "big_small odd_even prime_composite road"));
    EXPECT_EQ(families[3].toObject()[QStringLiteral("position")].toInt(), 4);
    EXPECT_FALSE(families[4].toObject().contains(QStringLiteral("position")));
    EXPECT_EQ(families[7].toObject()[QStringLiteral("values")].toArray().size(), 37);
    EXPECT_EQ(families[12].toObject()[QStringLiteral("values")].toArray().size(), 81);
    // Thousands 1: in 1234 and 1290 of the three, not in the latest.
    const auto one = families[0].toObject()[QStringLiteral("values")].toArray()[1].toObject();
    EXPECT_EQ(one[QStringLiteral("value")].toString(), QStringLiteral("1"));
    EXPECT_EQ(one[QStringLiteral("hits")].toInt(), 2);
    EXPECT_DOUBLE_EQ(one[QStringLiteral("expected")].toDouble(), 0.3);
    EXPECT_EQ(one[QStringLiteral("current")].toInt(), 1);
    EXPECT_EQ(one[QStringLiteral("max")].toInt(), 1);
    EXPECT_DOUBLE_EQ(one[QStringLiteral("average")].toDouble(), 1.0 / 3);
    const auto sum = families[7].toObject()[QStringLiteral("values")].toArray()[5].toObject();
    EXPECT_EQ(sum[QStringLiteral("value")].toString(), QStringLiteral("05"));

    const auto table = cli({QStringLiteral("trend"), QStringLiteral("DRAWS")});
    EXPECT_EQ(table.exitCode, 0);
    EXPECT_TRUE(table.out.contains("4 draws, 2024001 to 2024004")) << table.out.constData();
}

TEST(TrendCommand, PickedValuesInTheOrderOfTheRules)
{
    const auto o = jsonOf(
        cli({QStringLiteral("trend"), QStringLiteral("--json"), QStringLiteral("--rule"), QStringLiteral("sum:hot:2"),
             QStringLiteral("--rule"), QStringLiteral("position:cold:1"), QStringLiteral("DRAWS")}));
    const auto picked = o[QStringLiteral("picked")].toArray();
    ASSERT_EQ(picked.size(), 2);
    EXPECT_EQ(picked[0].toObject()[QStringLiteral("rule")].toString(), QStringLiteral("sum:hot:2"));
    // Sums 26, 10, 12, 0 each drawn once, against 4 x their share: 00 (0.0004 expected)
    // the furthest above it, then 10 and 26 (282 of 10000 each), 10 the later drawn.
    EXPECT_EQ(valuesOf(picked[0].toObject()[QStringLiteral("values")].toArray()),
              (QStringList{QStringLiteral("00"), QStringLiteral("10")}));
    // Never-drawn digits all tie at 4 draws, 0 hits: the earliest digit of each place.
    EXPECT_EQ(
        valuesOf(picked[1].toObject()[QStringLiteral("values")].toArray()),
        (QStringList{QStringLiteral("1:2"), QStringLiteral("2:1"), QStringLiteral("3:1"), QStringLiteral("4:1")}));
}

// The sixty draws of the 走势 picture in the README (tests/gui/RenderWindows.cpp): sum:cold:3
// picks the sums with the most shows missed by their share, counted here by hand, not the
// rarest sums that merely never came (00, 01, 02).
TEST(TrendCommand, ColdSumsOfThePicturedDrawsByHand)
{
    QByteArray text;
    std::vector<int> drawn;
    for (int i = 1; i <= 60; ++i) {
        const int number = (i * 7919 + 1234) % 10000;
        text += QStringLiteral("2024%1 %2\n")
                    .arg(i, 3, 10, QLatin1Char('0'))
                    .arg(number, 4, 10, QLatin1Char('0'))
                    .toLatin1();
        drawn.push_back(number / 1000 + number / 100 % 10 + number / 10 % 10 + number % 10);
    }
    std::array<long long, 37> share{}; // of 0000..9999
    for (int n = 0; n < 10000; ++n)
        ++share[std::size_t(n / 1000 + n / 100 % 10 + n / 10 % 10 + n % 10)];
    std::vector<std::tuple<long long, int, int>> order; // -(current x share), hits, sum
    for (int sum = 0; sum <= 36; ++sum) {
        const auto latest = std::find(drawn.rbegin(), drawn.rend(), sum);
        const long long current = latest - drawn.rbegin();
        order.emplace_back(-current * share[std::size_t(sum)], int(std::count(drawn.begin(), drawn.end(), sum)), sum);
    }
    std::sort(order.begin(), order.end());
    QStringList cold;
    for (int i = 0; i < 3; ++i)
        cold << QStringLiteral("%1").arg(std::get<2>(order[std::size_t(i)]), 2, 10, QLatin1Char('0'));
    cold.sort();
    EXPECT_EQ(cold, (QStringList{QStringLiteral("15"), QStringLiteral("17"), QStringLiteral("19")}));

    const auto o = jsonOf(
        cli({QStringLiteral("trend"), QStringLiteral("--json"), QStringLiteral("--rule"), QStringLiteral("sum:cold:3"),
             QStringLiteral("--rule"), QStringLiteral("position1:cold:2"), QStringLiteral("DRAWS")},
            text));
    const auto picked = o[QStringLiteral("picked")].toArray();
    ASSERT_EQ(picked.size(), 2);
    EXPECT_EQ(valuesOf(picked[0].toObject()[QStringLiteral("values")].toArray()), cold);
    // One position alone: the thousands, each value with its position.
    EXPECT_EQ(picked[1].toObject()[QStringLiteral("rule")].toString(), QStringLiteral("position1:cold:2"));
    const auto thousands = picked[1].toObject()[QStringLiteral("values")].toArray();
    ASSERT_EQ(thousands.size(), 2);
    for (const auto& v : thousands)
        EXPECT_EQ(v.toObject()[QStringLiteral("position")].toInt(), 1);

    const auto help = runCli({QStringLiteral("trend"), QStringLiteral("--help")});
    EXPECT_TRUE(help.out.contains("position1 to position4")) << help.out.constData();
}

TEST(TrendCommand, RefusedInputs)
{
    for (const QStringList& args :
         {QStringList{QStringLiteral("trend"), QStringLiteral("--last"), QStringLiteral("0"), QStringLiteral("DRAWS")},
          QStringList{QStringLiteral("trend"), QStringLiteral("--rule"), QStringLiteral("digit:warm:1"),
                      QStringLiteral("DRAWS")},
          QStringList{QStringLiteral("trend"), QStringLiteral("--last"), QStringLiteral("2"), QStringLiteral("--last"),
                      QStringLiteral("3"), QStringLiteral("DRAWS")},
          QStringList{QStringLiteral("apply"), QStringLiteral("SCHEME"), QStringLiteral("DRAWS")},
          QStringList{QStringLiteral("backtest"), QStringLiteral("--rule"), QStringLiteral("digit:cold:1"),
                      QStringLiteral("SCHEME"), QStringLiteral("DRAWS")},
          QStringList{QStringLiteral("backtest"), QStringLiteral("--rule"), QStringLiteral("digit:cold:1"),
                      QStringLiteral("--window"), QStringLiteral("0"), QStringLiteral("SCHEME"),
                      QStringLiteral("DRAWS")},
          QStringList{QStringLiteral("backtest"), QStringLiteral("--window"), QStringLiteral("3"),
                      QStringLiteral("SCHEME"), QStringLiteral("DRAWS")}}) {
        const auto r = cli(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
    }
    const auto empty = cli({QStringLiteral("trend"), QStringLiteral("DRAWS")}, "# nothing\n");
    EXPECT_EQ(empty.exitCode, 2);
}

TEST(ApplyCommand, WritesTheSchemeWithTheRulesApplied)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("applied.json"));
    const auto r =
        cli({QStringLiteral("apply"), QStringLiteral("--rule"), QStringLiteral("sum:hot:2"), QStringLiteral("--rule"),
             QStringLiteral("digit:cold:1"), QStringLiteral("--rule"), QStringLiteral("position2:cold:1"),
             QStringLiteral("--output"), out, QStringLiteral("SCHEME"), QStringLiteral("DRAWS")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_TRUE(r.out.isEmpty());
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto controls = QJsonDocument::fromJson(file.readAll()).object()[QStringLiteral("controls")].toObject();
    EXPECT_EQ(controls[QStringLiteral("T_sha_hezhi")].toString(), QStringLiteral("18.00.10"));
    // Every digit was drawn; 5 to 8 longest ago, once each: the earliest of them is picked.
    const auto digits = controls[QStringLiteral("Check_tsm_sha")].toArray();
    for (int d = 0; d < 10; ++d)
        EXPECT_EQ(digits[d].toInt(), d == 5 ? 1 : 0) << d;
    // The hundreds alone (6, 2, 2, 0 drawn): 1, the earliest never drawn, in box 10 + 1.
    const auto positions = controls[QStringLiteral("Check_hewei_sha1")].toArray();
    for (int box = 0; box < 40; ++box)
        EXPECT_EQ(positions[box].toInt(), box == 11 ? 1 : 0) << box;
}

TEST(BacktestCommand, RulesWalkingForward)
{
    const auto o =
        jsonOf(cli({QStringLiteral("backtest"), QStringLiteral("--json"), QStringLiteral("--rule"),
                    QStringLiteral("digit:cold:1"), QStringLiteral("--window"), QStringLiteral("2"),
                    QStringLiteral("--last"), QStringLiteral("3"), QStringLiteral("SCHEME"), QStringLiteral("DRAWS")}));
    const auto draws = o[QStringLiteral("draws")].toArray();
    ASSERT_EQ(draws.size(), 2); // 1234 has one draw before it: skipped
    const auto first = draws[0].toObject();
    EXPECT_EQ(first[QStringLiteral("label")].toString(), QStringLiteral("2024003"));
    EXPECT_EQ(first[QStringLiteral("number")].toString(), QStringLiteral("1290"));
    // From 5678 and 1234 alone: 0 and 9 never drawn, 0 the earlier; 1290 holds it.
    EXPECT_FALSE(first[QStringLiteral("listed")].toBool());
    const auto picked = first[QStringLiteral("picked")].toArray();
    ASSERT_EQ(picked.size(), 1);
    EXPECT_EQ(valuesOf(picked[0].toObject()[QStringLiteral("values")].toArray()), QStringList{QStringLiteral("0")});
    EXPECT_GT(first[QStringLiteral("survivors")].toInt(), 0);

    const auto s = o[QStringLiteral("summary")].toObject();
    EXPECT_EQ(s[QStringLiteral("draws")].toInt(), 2);
    EXPECT_EQ(s[QStringLiteral("skipped")].toInt(), 1);
    for (const char* key : {"listed", "hit_rate", "mean_survivors", "baseline", "lift", "hit_rate_low", "hit_rate_high",
                            "longest_miss_run", "current_miss_run"})
        EXPECT_TRUE(s.contains(QLatin1String(key))) << key;
    EXPECT_LE(s[QStringLiteral("hit_rate_low")].toDouble(), s[QStringLiteral("hit_rate")].toDouble());
    const auto alone = o[QStringLiteral("without_rules")].toObject();
    EXPECT_EQ(alone[QStringLiteral("listed")].toInt(), 2); // sums 12 and 0, not 18
    EXPECT_DOUBLE_EQ(alone[QStringLiteral("baseline")].toDouble(), 1 - 670 / 10000.0);

    // No draw with enough history: the rates are null.
    const auto none = jsonOf(cli({QStringLiteral("backtest"), QStringLiteral("--json"), QStringLiteral("--rule"),
                                  QStringLiteral("digit:cold:1"), QStringLiteral("--window"), QStringLiteral("9"),
                                  QStringLiteral("SCHEME"), QStringLiteral("DRAWS")}));
    EXPECT_TRUE(none[QStringLiteral("summary")].toObject()[QStringLiteral("hit_rate")].isNull());
    EXPECT_TRUE(none[QStringLiteral("summary")].toObject()[QStringLiteral("lift")].isNull());
    EXPECT_EQ(none[QStringLiteral("summary")].toObject()[QStringLiteral("skipped")].toInt(), 4);
}
