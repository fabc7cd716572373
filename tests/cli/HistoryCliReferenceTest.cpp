// shrink4-cli stats, explain and backtest with --json, through the real binary, against the
// literal statistics and backtest of tests/reference on random schemes and draws files.

#include "cli/CliTestSupport.h"
#include "reference/RandomInputs.h"
#include "reference/ReferenceHistory.h"
#include "scheme/SchemeFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace shrink4;
using namespace shrink4::reference;
using namespace shrink4::testing;

namespace {

QJsonObject jsonOf(const QStringList& arguments)
{
    const CliOutcome r = runCli(arguments);
    EXPECT_EQ(r.exitCode, 0) << arguments.join(' ').toStdString() << ": " << r.err.constData();
    return QJsonDocument::fromJson(r.out).object();
}

QJsonArray keys(const std::vector<std::string>& ks)
{
    QJsonArray a;
    for (const auto& k : ks)
        a.append(QString::fromStdString(k));
    return a;
}

QString numberText(int v)
{
    return QStringLiteral("%1").arg(v, 4, 10, QLatin1Char('0'));
}

void expectStats(const QJsonObject& o, const ReferenceStatistics& r)
{
    EXPECT_EQ(o[u"count"].toInt(), r.count);
    EXPECT_EQ(o[u"pool"].toInt(), r.pool);
    QJsonArray histogram;
    for (int n : r.histogram)
        histogram.append(n);
    EXPECT_EQ(o[u"histogram"].toArray(), histogram);
    const QJsonArray rows = o[u"conditions"].toArray();
    ASSERT_EQ(rows.size(), qsizetype(r.rows.size()));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const auto row = rows[i].toObject();
        const auto& want = r.rows[std::size_t(i)];
        EXPECT_EQ(row[u"key"].toString().toStdString(), want.key);
        EXPECT_EQ(row[u"kills"].toInt(), want.kills) << want.key;
        EXPECT_EQ(row[u"kills_in_pool"].toInt(), want.killsInPool) << want.key;
        EXPECT_EQ(row[u"only"].toInt(), want.only) << want.key;
    }
}

void expectExplanation(const QJsonObject& o, const ReferenceExplanation& r)
{
    EXPECT_EQ(o[u"listed"].toBool(), r.listed);
    EXPECT_EQ(o[u"in_pool"].toBool(), r.inPool);
    EXPECT_EQ(o[u"fail_count"].toInt(), r.failCount);
    EXPECT_EQ(o[u"failed"].toArray(), keys(r.failed));
}

void expectRate(const QJsonValue& v, double want)
{
    EXPECT_NEAR(v.toDouble(), want, 1e-4);
}

void expectBacktest(const QJsonObject& o, const ReferenceBacktest& r)
{
    const QJsonArray draws = o[u"draws"].toArray();
    ASSERT_EQ(draws.size(), qsizetype(r.draws.size()));
    for (qsizetype i = 0; i < draws.size(); ++i) {
        const auto d = draws[i].toObject();
        const auto& want = r.draws[std::size_t(i)];
        EXPECT_EQ(d[u"label"], want.draw.label ? QJsonValue(QString::fromStdString(*want.draw.label)) : QJsonValue());
        EXPECT_EQ(d[u"number"].toString(), numberText(want.draw.number));
        expectExplanation(d, want.explanation);
    }
    const auto s = o[u"summary"].toObject();
    EXPECT_EQ(s[u"listed"].toInt(), r.listed);
    expectRate(s[u"hit_rate"], r.hitRate);
    EXPECT_EQ(s[u"survivors"].toInt(), r.survivors);
    expectRate(s[u"baseline"], r.baseline);
    EXPECT_EQ(s[u"lift"].isNull(), !r.lift);
    if (r.lift)
        expectRate(s[u"lift"], *r.lift);
    EXPECT_EQ(s[u"longest_miss_run"].toInt(), r.longestMissRun);
    EXPECT_EQ(s[u"current_miss_run"].toInt(), r.currentMissRun);
    const QJsonArray rows = o[u"conditions"].toArray();
    ASSERT_EQ(rows.size(), qsizetype(r.killedDraws.size()));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const auto& [key, killed] = r.killedDraws[std::size_t(i)];
        EXPECT_EQ(rows[i].toObject()[u"key"].toString().toStdString(), key);
        EXPECT_EQ(rows[i].toObject()[u"killed_draws"].toInt(), killed) << key;
        expectRate(rows[i].toObject()[u"rate"], double(killed) / double(r.draws.size()));
    }
}

// A draws text the reader takes, so the backtest has something to answer.
std::string readableDraws(std::mt19937& rng)
{
    for (;;)
        if (std::string text = randomDrawsText(rng); !referenceReadDraws(text).failed)
            return text;
}

} // namespace

TEST(HistoryCliReference, StatsExplainAndBacktestAgreeOnRandomSchemes)
{
    std::mt19937 rng(20261208u);
    for (int k = 0; k < 10; ++k) {
        SCOPED_TRACE("scheme " + std::to_string(k));
        const QByteArray scheme = serializeScheme(randomInputs(rng));
        // The reference answers for the conditions as the file gives them back.
        const auto parsed = parseScheme(scheme);
        ASSERT_TRUE(parsed.inputs);
        const ReferenceAnalysis a = referenceAnalysis(*parsed.inputs);
        TempInput file(scheme);
        expectStats(jsonOf({QStringLiteral("stats"), QStringLiteral("--json"), file.path()}), referenceStatistics(a));

        const int number = a.run.numbers.empty() || k % 2 ? int(rng() % 10000) : a.run.numbers.front();
        expectExplanation(
            jsonOf({QStringLiteral("explain"), QStringLiteral("--json"), file.path(), numberText(number)}),
            referenceExplain(a, number));

        const std::string text = readableDraws(rng);
        const auto draws = referenceReadDraws(text).draws;
        const int last = k % 3 == 0 ? 1 + int(rng() % (draws.size() + 2)) : 0;
        TempInput drawsFile(QByteArray::fromStdString(text));
        QStringList args{QStringLiteral("backtest"), QStringLiteral("--json")};
        if (last > 0)
            args << QStringLiteral("--last") << QString::number(last);
        expectBacktest(jsonOf(args << file.path() << drawsFile.path()), referenceBacktest(a, draws, last));
    }
}
