// Scheme files: every control round-trips, unnamed controls keep their start-up state,
// and every malformed file is refused with a message naming the key or position.

#include "scheme/SchemeFile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace shrink4;

namespace {

QByteArray scheme(const char* controls)
{
    return QByteArray("{\"shrink4-scheme\": 1, \"controls\": {") + controls + "}}";
}

void expectError(const QByteArray& bytes, const char* mentioned)
{
    const auto r = parseScheme(bytes);
    EXPECT_FALSE(r.inputs.has_value()) << bytes.constData();
    EXPECT_TRUE(r.error.contains(QString::fromUtf8(mentioned))) << r.error.toStdString() << " lacks " << mentioned;
}

ConditionInputs everythingSet()
{
    ConditionInputs in;
    int n = 0;
    forEachControl(in, [&](const ControlMeta&, auto& member) {
        using T = std::decay_t<decltype(member)>;
        ++n;
        if constexpr (std::is_same_v<T, std::string>)
            member = "12 34\r\n第" + std::to_string(n) + "\t\"q\"";
        else if constexpr (std::is_same_v<T, int>)
            member = 2;
        else
            for (std::size_t i = 0; i < member.size(); ++i) {
                if constexpr (std::is_same_v<typename T::value_type, std::string>)
                    member[i] = std::to_string(i + 1) + ".5";
                else if constexpr (std::is_same_v<typename T::value_type, bool>)
                    member[i] = (i + std::size_t(n)) % 3 == 0;
                else
                    member[i] = int((i + std::size_t(n)) % 3);
            }
    });
    return in;
}

} // namespace

TEST(Scheme, SaveThenOpenRestoresEveryControl)
{
    const auto in = everythingSet();
    const auto back = parseScheme(serializeScheme(in));
    ASSERT_TRUE(back.inputs) << back.error.toStdString();
    EXPECT_EQ(*back.inputs, in);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("方案.json"));
    QString error;
    ASSERT_TRUE(writeSchemeFile(path, in, &error)) << error.toStdString();
    const auto fromFile = readSchemeFile(path);
    ASSERT_TRUE(fromFile.inputs);
    EXPECT_EQ(*fromFile.inputs, in);
}

TEST(Scheme, UnnamedControlsKeepTheirStartUpState)
{
    const auto r = parseScheme(scheme("\"T_main_sha_2ma\": \"12 34\", \"Check_tsm_sha\": [0,0,0,0,0,0,0,1,0,0]"));
    ASSERT_TRUE(r.inputs);
    ConditionInputs expected;
    expected.killTwoCodes = "12 34";
    expected.universalDigits[7] = 1;
    EXPECT_EQ(*r.inputs, expected);
    EXPECT_TRUE(parseScheme("\xEF\xBB\xBF" + scheme("")).inputs.has_value()); // byte-order mark
}

TEST(Scheme, TextIsTakenExactlyAsWritten)
{
    const auto r = parseScheme(scheme("\"T_dadi_nb\": \"  1234\\r\\n\\n \""));
    ASSERT_TRUE(r.inputs);
    EXPECT_EQ(r.inputs->basePool, "  1234\r\n\n ");
}

// Schemes of the first version kept the help text as content, numbers below it.
TEST(Scheme, ALeadingHelpTextIsLeftOff)
{
    const auto r = parseScheme(scheme("\"T_dadi_nb\": \"大底号码，双击清空\\r\\n1111 2222\", "
                                      "\"T_main_sha_2ma\": \"不懂使用请看软件教程\\r\\n双击清空\\r\\n\", "
                                      "\"T_main_shazhixuan\": \"1234 不懂使用请看软件教程\""));
    ASSERT_TRUE(r.inputs);
    EXPECT_EQ(r.inputs->basePool, "\r\n1111 2222");
    EXPECT_EQ(r.inputs->killTwoCodes, "\r\n");
    EXPECT_EQ(r.inputs->straightKills, "1234 不懂使用请看软件教程"); // only a leading one
}

TEST(Scheme, MalformedFilesNameWhatIsWrong)
{
    expectError("not json", "not JSON");
    expectError("[1, 2]", "object");
    expectError("{\"shrink4-scheme\": 1, \"controls\": {}} \xFF", "UTF-8");
    expectError("{\"controls\": {}}", "shrink4-scheme");
    expectError("{\"shrink4-scheme\": 2, \"controls\": {}}", "shrink4-scheme");
    expectError("{\"shrink4-scheme\": \"1\", \"controls\": {}}", "shrink4-scheme");
    expectError("{\"shrink4-scheme\": 1, \"controls\": []}", "controls");
    expectError("{\"shrink4-scheme\": 1, \"controls\": {}, \"extra\": 0}", "extra");
    expectError(scheme("\"T_bogus\": \"\""), "T_bogus");
    expectError(scheme("\"T_main_sha_2ma\": 12"), "T_main_sha_2ma");
    expectError(scheme("\"T_zong_rc\": [\"0\"]"), "T_zong_rc");
    expectError(scheme("\"T_zong_rc\": [\"0\", 1]"), "T_zong_rc[1]");
    expectError(scheme("\"Check_tsm_sha\": [0,0,0,0,0,0,0,0,0]"), "Check_tsm_sha");
    expectError(scheme("\"Check_tsm_sha\": [0,0,0,0,0,0,0,3,0,0]"), "Check_tsm_sha[7]");
    expectError(scheme("\"Check_tsm_sha\": [0,0,0,0,0,0,0,0.5,0,0]"), "Check_tsm_sha[7]");
    expectError(scheme("\"Check_dm_jchong\": true"), "Check_dm_jchong");
    expectError(scheme("\"Check_dm_jchong\": -1"), "Check_dm_jchong");
    expectError(scheme("\"C_danzu_gs\": [1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0]"), "C_danzu_gs[0]");
}

TEST(Scheme, AFailedWriteLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(writeSchemeFile(dir.filePath(QStringLiteral("missing/dir/x.json")), ConditionInputs{}, &error));
    EXPECT_FALSE(error.isEmpty());
    const auto missing = readSchemeFile(dir.filePath(QStringLiteral("nothing.json")));
    EXPECT_FALSE(missing.inputs);
    EXPECT_TRUE(missing.error.contains(QStringLiteral("nothing.json")));
}
