// shrink4-cli backtest --trials, through the real binary.

#include "cli/CliTestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace shrink4::testing;

namespace {

const QByteArray kScheme = "{\"shrink4-scheme\": 1, \"controls\": {}}";
const QByteArray kTrials =
    "# cold sums, then hot digits over the latest 20\n\n"
    "--rule sum:cold:3 --window 10\n"
    "  --rule digit:hot:2 --rule span:cold:1 --window=15 --last 20  \n";

QByteArray drawsText()
{
    QByteArray text;
    for (int i = 0; i < 40; ++i)
        text += QByteArray::number(2024000 + i) + ' '
                + QByteArray::number((i * 7919 + 1234) % 10000).rightJustified(4, '0') + '\n';
    return text;
}

CliOutcome backtest(const QStringList& options, const QByteArray& trials = kTrials)
{
    TempInput scheme(kScheme), draws(drawsText()), trialsFile(trials);
    return runCli(QStringList{QStringLiteral("backtest"), QStringLiteral("--trials"), trialsFile.path()} + options
                  + QStringList{scheme.path(), draws.path()});
}

QJsonObject jsonOf(const CliOutcome& r)
{
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    return QJsonDocument::fromJson(r.out).object();
}

} // namespace

// Each trial's summary is the one backtest --rule gives; the set has its count, best and
// threshold; the chance check repeats with its seed.
TEST(TrialsCommand, JsonOfTheTrialsAndTheChanceCheck)
{
    const auto o = jsonOf(backtest({QStringLiteral("--json")}));
    const auto results = o[QStringLiteral("results")].toArray();
    ASSERT_EQ(results.size(), 2);
    EXPECT_EQ(o[QStringLiteral("trials")].toInt(), 2);
    EXPECT_NEAR(o[QStringLiteral("threshold")].toDouble(), 1.959964, 1e-6); // Φ⁻¹(1 − 0.05/2)
    const double z0 = results[0].toObject()[QStringLiteral("z")].toDouble();
    const double z1 = results[1].toObject()[QStringLiteral("z")].toDouble();
    EXPECT_EQ(o[QStringLiteral("best")].toInt(), z1 > z0 ? 1 : 0);
    EXPECT_EQ(o[QStringLiteral("advantage")].toBool(), std::max(z0, z1) > o[QStringLiteral("threshold")].toDouble());
    EXPECT_FALSE(o.contains(QStringLiteral("chance")));

    TempInput scheme(kScheme), draws(drawsText());
    const auto alone = jsonOf(runCli({QStringLiteral("backtest"), QStringLiteral("--json"), QStringLiteral("--rule"),
                                      QStringLiteral("digit:hot:2"), QStringLiteral("--rule"),
                                      QStringLiteral("span:cold:1"), QStringLiteral("--window"), QStringLiteral("15"),
                                      QStringLiteral("--last"), QStringLiteral("20"), scheme.path(), draws.path()}));
    EXPECT_EQ(results[1].toObject()[QStringLiteral("summary")], alone[QStringLiteral("summary")]);
    EXPECT_EQ(results[1].toObject()[QStringLiteral("without_rules")], alone[QStringLiteral("without_rules")]);

    const QStringList chance{QStringLiteral("--json"), QStringLiteral("--chance"), QStringLiteral("3"),
                             QStringLiteral("--seed"), QStringLiteral("5")};
    const auto c = jsonOf(backtest(chance))[QStringLiteral("chance")].toObject();
    EXPECT_EQ(c[QStringLiteral("sets")].toInt(), 3);
    EXPECT_EQ(c[QStringLiteral("best_z")].toArray().size(), 3);
    EXPECT_LE(c[QStringLiteral("beaten")].toInt(), 3);
    EXPECT_EQ(backtest(chance).out, backtest(chance).out);

    const auto readable = backtest({}).out;
    EXPECT_TRUE(readable.contains("tried 2 rules; the best")) << readable.constData();
}

TEST(TrialsCommand, RefusedInputs)
{
    const auto bad = backtest({}, "--rule sum:cold:3 --window 10\n# fine so far\n--rule sum:cold:3 --window 0\n");
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.err.contains("line 3")) << bad.err.constData();
    for (const QByteArray& line :
         {QByteArray("--rule sum:lukewarm:3 --window 10"), QByteArray("--window 10"), QByteArray("--rule sum:cold:3"),
          QByteArray("--rule sum:cold:3 --window 10 --x 1"), QByteArray("--rule sum:cold:3 --window")}) {
        const auto r = backtest({}, line);
        EXPECT_EQ(r.exitCode, 2) << line.constData();
        EXPECT_TRUE(r.err.contains("line 1")) << r.err.constData();
    }
    EXPECT_EQ(backtest({}, "# nothing\n").exitCode, 2);
    EXPECT_EQ(backtest({QStringLiteral("--chance"), QStringLiteral("201")}).exitCode, 2);
    EXPECT_EQ(backtest({QStringLiteral("--seed"), QStringLiteral("1")}).exitCode, 2);
    EXPECT_EQ(backtest({QStringLiteral("--rule"), QStringLiteral("sum:cold:1")}).exitCode, 2);
}
