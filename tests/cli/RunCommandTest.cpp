// shrink4-cli run and check, through the real binary.

#include "cli/CliTestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

using namespace shrink4::testing;

namespace {

QByteArray scheme(const char* controls)
{
    return QByteArray("{\"shrink4-scheme\": 1, \"controls\": {") + controls + "}}";
}

#ifndef Q_OS_WIN // Linux's /dev/full
// Runs shrink4-cli with its standard output on a device that refuses every write.
CliOutcome runIntoFullDevice(const QStringList& arguments, const QByteArray& stdinData)
{
    QProcess process;
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(QStringLiteral(SHRINK4_CLI_PATH), arguments);
    process.write(stdinData);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    return {process.exitCode(), {}, process.readAllStandardError(), process.exitStatus() != QProcess::NormalExit};
}
#endif

} // namespace

TEST(RunCommand, ListsSurvivorsOnePerLine)
{
    const auto r = runCli({QStringLiteral("run"), QStringLiteral("-")}, scheme("\"T_dadi_nb\": \"0002 0001 0003\""));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "0001\n0002\n0003\n");
}

TEST(RunCommand, JsonReportsCountsTextsAndRewrittenBoxes)
{
    TempInput file(scheme("\"T_dadi_nb\": \"1200 1300 1234\", \"T_main_sha_2ma\": \" 12，56\\r\\n\""));
    const auto r = runCli({QStringLiteral("run"), QStringLiteral("--json"), file.path()});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_TRUE(r.out.endsWith("}\n"));
    EXPECT_EQ(r.out.count('\n'), 1);
    const auto o = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(o.value(QStringLiteral("count")).toInt(), 1);
    EXPECT_EQ(o.value(QStringLiteral("condition_count")).toInt(), 1);
    EXPECT_EQ(o.value(QStringLiteral("numbers")).toArray(), QJsonArray{QStringLiteral("1300")});
    EXPECT_EQ(o.value(QStringLiteral("result_text")).toString(), QStringLiteral("1300  "));
    EXPECT_EQ(o.value(QStringLiteral("prize_check_text")).toString(), QStringLiteral("1300  "));
    EXPECT_EQ(o.value(QStringLiteral("rewritten")).toObject().value(QStringLiteral("T_main_sha_2ma")).toString(),
              QStringLiteral("12 56"));
    EXPECT_FALSE(o.contains(QStringLiteral("notes"))); // nothing read differently
}

// What a run reads differently from how it looks comes with the result, one note per box.
TEST(RunCommand, JsonCarriesNotes)
{
    TempInput file(scheme("\"T_main_dw_sha\": \"45**,58*9\", \"T_zong_rc\": [\"2\", \"1\"]"));
    const auto r = runCli({QStringLiteral("run"), QStringLiteral("--json"), file.path()});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const auto notes = QJsonDocument::fromJson(r.out).object().value(QStringLiteral("notes")).toArray();
    ASSERT_EQ(notes.size(), 2);
    EXPECT_EQ(notes[0].toObject().value(QStringLiteral("key")).toString(), QStringLiteral("T_main_dw_sha"));
    EXPECT_EQ(notes[1].toObject().value(QStringLiteral("key")).toString(), QStringLiteral("T_zong_rc"));
    EXPECT_TRUE(notes[1].toObject().value(QStringLiteral("text")).toString().contains(QStringLiteral("下限大于上限")));
}

TEST(RunCommand, EmptyResultIsASuccess)
{
    const auto r = runCli({QStringLiteral("run"), QStringLiteral("--json"), QStringLiteral("-")},
                          scheme("\"T_dadi_nb\": \"abc\""));
    EXPECT_EQ(r.exitCode, 0);
    const auto o = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(o.value(QStringLiteral("count")).toInt(), 0);
    EXPECT_EQ(o.value(QStringLiteral("prize_check_text")).toString(),
              QStringLiteral("没有符合条件的号码，请检测过滤条件"));
}

TEST(RunCommand, BadInputExitsTwoWithNothingOnStdout)
{
    const QList<std::pair<QStringList, QByteArray>> cases = {
        {{QStringLiteral("run")}, {}},
        {{QStringLiteral("run"), QStringLiteral("--bogus"), QStringLiteral("-")}, scheme("")},
        {{QStringLiteral("run"), QStringLiteral("/nonexistent/scheme.json")}, {}},
        {{QStringLiteral("run"), QStringLiteral("-")}, scheme("\"Check_tsm_sha\": [9]")},
        {{QStringLiteral("run"), QStringLiteral("-")}, "{"},
        {{QStringLiteral("run"), QStringLiteral("-")}, scheme("\"T_dadi_nb\": \"1\", \"T_dadi_nb\": \"2\"")},
        {{QStringLiteral("nonsense")}, {}},
    };
    for (const auto& [args, input] : cases) {
        const auto r = runCli(args, input);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << args.join(' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty());
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
    }
    const auto named = runCli({QStringLiteral("run"), QStringLiteral("-")}, scheme("\"Check_tsm_sha\": [9]"));
    EXPECT_TRUE(named.err.contains("Check_tsm_sha"));
    const auto repeated =
        runCli({QStringLiteral("run"), QStringLiteral("-")}, scheme("\"T_dadi_nb\": \"1\", \"T_dadi_nb\": \"2\""));
    EXPECT_TRUE(repeated.err.contains("controls.T_dadi_nb")) << repeated.err.constData();
}

#ifndef Q_OS_WIN
TEST(RunCommand, UnwrittenOutputIsAnError)
{
    // Ten thousand lines fail while being written; one short line only when flushed.
    for (const QStringList& args :
         {QStringList{QStringLiteral("run"), QStringLiteral("-")},
          QStringList{QStringLiteral("check"), QStringLiteral("-"), QStringLiteral("1234")}}) {
        const auto r = runIntoFullDevice(args, scheme(""));
        EXPECT_FALSE(r.crashed);
        EXPECT_EQ(r.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_EQ(r.err, "shrink4-cli: standard output could not be written: No space left on device\n");
    }
}
#endif

TEST(RunCommand, EverySubcommandPrintsHelp)
{
    for (const char* command : {"run", "check"}) {
        const auto r = runCli({QString::fromLatin1(command), QStringLiteral("--help")});
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_TRUE(r.out.contains("Usage: shrink4-cli " + QByteArray(command))) << r.out.constData();
    }
}

TEST(CheckCommand, PrintsTheCaptionOfThePrizeLabel)
{
    const auto input = scheme("\"T_dadi_nb\": \"1234 5678\"");
    const auto check = [&](const char* typed) {
        return runCli({QStringLiteral("check"), QStringLiteral("-"), QString::fromUtf8(typed)}, input).out;
    };
    EXPECT_EQ(check("1234"), "【恭喜中奖】\n");
    EXPECT_EQ(check(" 5678 "), "【恭喜中奖】\n");
    EXPECT_EQ(check("５６７８"), "【恭喜中奖】\n");   // typed full-width
    EXPECT_EQ(check("1234\r\n\t"), "【恭喜中奖】\n"); // pasted with a line break
    EXPECT_EQ(check("4321"), "【没有中奖】\n");
    EXPECT_EQ(check("123"), "【号码不全】\n");
    const auto empty =
        runCli({QStringLiteral("check"), QStringLiteral("-"), QStringLiteral("1234")}, scheme("\"T_dadi_nb\": \"12\""));
    EXPECT_EQ(empty.out, "【没有中奖】\n"); // a run that listed nothing
}
