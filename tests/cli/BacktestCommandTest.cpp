// shrink4-cli backtest, through the real binary.

#include "cli/CliTestSupport.h"
#include "scheme/Gb18030.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringEncoder>

#include <gtest/gtest.h>

using namespace shrink4::testing;

namespace {

// Survivors 5678, 1111 and 0202: 1234 falls to both rows, 0001 and 5500 to the sum tails.
const QByteArray kScheme =
    "{\"shrink4-scheme\": 1, \"controls\": {\"T_main_sha_2ma\": \"12\", "
    "\"Check_hewei_sha\": [1, 1, 0, 0, 0, 0, 0, 0, 0, 0], "
    "\"T_dadi_nb\": \"1234 1200 5678 0000 1111 0202 0001\"}}";

// Newest first, as many sites list them, under a header line.
const QByteArray kDraws = "期号 号码\n2024005 5500\n2024004 1111\n2024003,0,0,0,1\n2024002 1234\n2024001 5678\n";

QJsonObject backtestJson(const QStringList& options, CliOutcome* outcome = nullptr)
{
    TempInput scheme(kScheme);
    TempInput draws(kDraws);
    const auto r = runCli(QStringList{QStringLiteral("backtest"), QStringLiteral("--json")} + options
                          + QStringList{scheme.path(), draws.path()});
    if (outcome)
        *outcome = r;
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    return QJsonDocument::fromJson(r.out).object();
}

QByteArray encoded(const QString& text, QStringConverter::Encoding encoding)
{
    QStringEncoder withMark(encoding, QStringEncoder::Flag::WriteBom);
    return withMark.encode(text);
}

QString fullWidth(QString text)
{
    for (QChar& c : text) {
        if (c == u' ')
            c = QChar(0x3000);
        else if (c >= u'0' && c <= u'9')
            c = QChar(char16_t(c.unicode() + 0xFEE0));
    }
    return text;
}

} // namespace

TEST(BacktestCommand, DrawsInTimeOrderWithSummaryAndConditions)
{
    CliOutcome r;
    const auto o = backtestJson({}, &r);
    EXPECT_TRUE(
        r.out.startsWith("{\"draws\": [{\"label\": \"2024001\", \"number\": \"5678\", \"listed\": true, "
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
    EXPECT_EQ(s.keys().size(), 10);
    EXPECT_EQ(s.value(QStringLiteral("draws")).toInt(), 5);
    EXPECT_EQ(s.value(QStringLiteral("listed")).toInt(), 2);
    EXPECT_NEAR(s.value(QStringLiteral("hit_rate")).toDouble(), 0.4, 1e-9);
    EXPECT_EQ(s.value(QStringLiteral("survivors")).toInt(), 3);
    EXPECT_NEAR(s.value(QStringLiteral("baseline")).toDouble(), 0.0003, 1e-12);
    EXPECT_NEAR(s.value(QStringLiteral("lift")).toDouble(), 0.4 / 0.0003, 1e-6);
    EXPECT_NEAR(s.value(QStringLiteral("hit_rate_low")).toDouble(), 0.117618, 1e-6);
    EXPECT_NEAR(s.value(QStringLiteral("hit_rate_high")).toDouble(), 0.769280, 1e-6);
    EXPECT_EQ(s.value(QStringLiteral("longest_miss_run")).toInt(), 2);
    EXPECT_EQ(s.value(QStringLiteral("current_miss_run")).toInt(), 1);

    const auto conditions = o.value(QStringLiteral("conditions")).toArray();
    ASSERT_EQ(conditions.size(), 2);
    EXPECT_EQ(conditions.at(1).toObject().value(QStringLiteral("killed_draws")).toInt(), 3);
    EXPECT_NEAR(conditions.at(1).toObject().value(QStringLiteral("rate")).toDouble(), 0.6, 1e-9);
}

// One hit in 200 draws, the players' case: the interval beside the lift, right after it, and
// the plain words when it covers the baseline (none listed in the latest 50).
TEST(BacktestCommand, TheHitRateComesWithItsInterval)
{
    QByteArray text;
    for (int i = 1; i <= 200; ++i)
        text += QByteArray::number(2024000 + i) + (i == 100 ? " 5678\n" : " 1234\n");
    TempInput scheme(kScheme);
    TempInput draws(text);
    const QStringList inputs{scheme.path(), draws.path()};
    const auto r = runCli(QStringList{QStringLiteral("backtest"), QStringLiteral("--json")} + inputs);
    const auto at = [&](const char* key) { return r.out.indexOf(QByteArray("\"") + key + "\": "); };
    EXPECT_TRUE(0 < at("lift") && at("lift") < at("hit_rate_low") && at("hit_rate_low") < at("hit_rate_high")
                && at("hit_rate_high") < at("longest_miss_run"))
        << r.out.right(300).constData();
    // By hand: centre (0.005 + 1.96²/400) / (1 + 1.96²/200) = 0.0143288, half width
    // 1.96·√(0.005·0.995/200 + 1.96²/160000) / (1 + 1.96²/200) = 0.0134457.
    const auto s = QJsonDocument::fromJson(r.out).object().value(QStringLiteral("summary")).toObject();
    EXPECT_EQ(s.value(QStringLiteral("listed")).toInt(), 1);
    EXPECT_NEAR(s.value(QStringLiteral("hit_rate_low")).toDouble(), 0.0008831, 1e-7);
    EXPECT_NEAR(s.value(QStringLiteral("hit_rate_high")).toDouble(), 0.0277744, 1e-7);

    const QByteArray readable = runCli(QStringList{QStringLiteral("backtest")} + inputs).out;
    EXPECT_TRUE(readable.contains("1 of 200 draws listed (0.0050, 95% interval 0.0009 to 0.0278)"))
        << readable.constData();
    EXPECT_FALSE(readable.contains("no sign of skill"));
    const QByteArray latest =
        runCli(QStringList{QStringLiteral("backtest"), QStringLiteral("--last"), QStringLiteral("50")} + inputs).out;
    EXPECT_TRUE(latest.contains("0 of 50 draws listed (0.0000, 95% interval 0.0000 to 0.0714)")) << latest.constData();
    EXPECT_TRUE(latest.contains("the interval covers the baseline: no sign of skill")) << latest.constData();
}

TEST(BacktestCommand, LastKeepsTheLatestDraws)
{
    const auto draws =
        backtestJson({QStringLiteral("--last"), QStringLiteral("2")}).value(QStringLiteral("draws")).toArray();
    ASSERT_EQ(draws.size(), 2);
    EXPECT_EQ(draws.at(0).toObject().value(QStringLiteral("label")).toString(), QStringLiteral("2024004"));
    EXPECT_EQ(
        backtestJson({QStringLiteral("--last"), QStringLiteral("50")}).value(QStringLiteral("draws")).toArray().size(),
        5);
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

// The draws as other editors save them (Windows Notepad: UTF-16 with a mark; Chinese tools:
// GB18030, CR LF; old Mac editors: CR alone; a full-width input method) give the backtest
// the UTF-8 file gives, checked above, also through standard input.
TEST(BacktestCommand, EverySavedFormOfTheDrawsGivesTheSameBacktest)
{
    const QString text = QString::fromUtf8(kDraws);
    const auto gb18030 = shrink4::toGb18030(QString(text).replace(u'\n', QStringLiteral("\r\n")));
    ASSERT_TRUE(gb18030);
    const std::pair<const char*, QByteArray> saved[] = {
        {"UTF-8 with a mark", encoded(text, QStringConverter::Utf8)},
        {"UTF-16 LE", encoded(text, QStringConverter::Utf16LE)},
        {"UTF-16 BE", encoded(text, QStringConverter::Utf16BE)},
        {"GB18030, CR LF", *gb18030},
        {"CR alone", QString(text).replace(u'\n', u'\r').toUtf8()},
        {"full-width digits and spaces", fullWidth(text).toUtf8()},
    };
    TempInput scheme(kScheme);
    const QStringList backtest{QStringLiteral("backtest"), QStringLiteral("--json"), scheme.path()};
    TempInput utf8(kDraws);
    const QByteArray expected = runCli(backtest + QStringList{utf8.path()}).out;
    ASSERT_TRUE(expected.startsWith("{\"draws\": [{\"label\": \"2024001\""));
    for (const auto& [form, bytes] : saved) {
        TempInput draws(bytes);
        const auto r = runCli(backtest + QStringList{draws.path()});
        EXPECT_EQ(r.out.toStdString(), expected.toStdString()) << form << ": " << r.err.constData();
    }
    EXPECT_EQ(runCli(backtest + QStringList{QStringLiteral("-")}, saved[1].second).out.toStdString(),
              expected.toStdString());
}

// Draws files as players write them, through the whole command: each gives every draw in
// time order, or exit 2 with one line naming the fault and nothing on standard output.
TEST(BacktestCommand, DrawsFilesAsPlayersWriteThem)
{
    QByteArray overLimit(8 * 1024 * 1024 + 1, '\n');
    overLimit.replace(0, 12, "2024001 1234");
    struct Case {
        const char* form;
        QByteArray bytes;
        QStringList draws; // "label=number", when read
        const char* error; // a part of the message, when refused
    } cases[] = {
        {"full-width digits", "２０２４００２　５６７８\n2024001 1 ２ 3 ４\n", {"2024001=1234", "2024002=5678"}, ""},
        {"CR alone", "2024002 5678\r2024001 1234\r", {"2024001=1234", "2024002=5678"}, ""},
        {"two draws on one line", "2024001 1234\n2024002 5678 2024003 1111\n", {}, "line 2:"},
        {"five single digits", "2024099 1 2 3 4\r2024100 1 2 3 4 5\r", {}, "line 2:"},
        {"one issue, two numbers", "２０２４００１ 1234\r\n2024001 5678\r\n", {}, "line 2:"},
        {"larger than the limit", overLimit, {}, "larger than 8 MB"},
    };
    TempInput scheme(kScheme);
    for (const auto& c : cases) {
        TempInput draws(c.bytes);
        const auto r = runCli({QStringLiteral("backtest"), QStringLiteral("--json"), scheme.path(), draws.path()});
        QStringList read;
        for (const auto& d : QJsonDocument::fromJson(r.out).object().value(QStringLiteral("draws")).toArray())
            read << d[u"label"].toString() + u'=' + d[u"number"].toString();
        EXPECT_EQ(read, c.draws) << c.form << ": " << r.err.constData();
        EXPECT_EQ(r.exitCode, c.draws.isEmpty() ? 2 : 0) << c.form;
        if (!c.draws.isEmpty())
            continue;
        EXPECT_TRUE(r.err.contains(c.error) && r.err.count('\n') == 1 && r.out.isEmpty())
            << c.form << ": " << r.err.constData();
    }
}
