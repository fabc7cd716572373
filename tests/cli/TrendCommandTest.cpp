// shrink4-cli trend, apply and backtest --rule, through the real binary.

#include "cli/CliTestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
    // Sums 26, 10, 12, 0 each drawn once: the two latest win the tie.
    EXPECT_EQ(valuesOf(picked[0].toObject()[QStringLiteral("values")].toArray()),
              (QStringList{QStringLiteral("00"), QStringLiteral("12")}));
    // Never-drawn digits all tie at 4 draws, 0 hits: the earliest digit of each place.
    EXPECT_EQ(
        valuesOf(picked[1].toObject()[QStringLiteral("values")].toArray()),
        (QStringList{QStringLiteral("1:2"), QStringLiteral("2:1"), QStringLiteral("3:1"), QStringLiteral("4:1")}));
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
    const auto r = cli({QStringLiteral("apply"), QStringLiteral("--rule"), QStringLiteral("sum:hot:2"),
                        QStringLiteral("--rule"), QStringLiteral("digit:cold:1"), QStringLiteral("--output"), out,
                        QStringLiteral("SCHEME"), QStringLiteral("DRAWS")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_TRUE(r.out.isEmpty());
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto controls = QJsonDocument::fromJson(file.readAll()).object()[QStringLiteral("controls")].toObject();
    EXPECT_EQ(controls[QStringLiteral("T_sha_hezhi")].toString(), QStringLiteral("18.00.12"));
    // Every digit was drawn; 5 to 8 longest ago, once each: the earliest of them is picked.
    const auto digits = controls[QStringLiteral("Check_tsm_sha")].toArray();
    for (int d = 0; d < 10; ++d)
        EXPECT_EQ(digits[d].toInt(), d == 5 ? 1 : 0) << d;
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
