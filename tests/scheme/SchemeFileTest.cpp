// Scheme files: every control round-trips, unnamed controls keep their start-up state,
// and every malformed file is refused with a message naming the key or position.

#include "scheme/SchemeFile.h"
#include "scheme/FileErrorText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#ifndef Q_OS_WIN
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

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

#ifndef Q_OS_WIN
QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}
#endif

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

    // A box that begins with U+FEFF, as a paste from a file with a byte-order mark does.
    ConditionInputs marked;
    marked.basePool = std::string("\xEF\xBB\xBF") + "1234";
    const auto markedBack = parseScheme(serializeScheme(marked));
    ASSERT_TRUE(markedBack.inputs);
    EXPECT_EQ(markedBack.inputs->basePool, marked.basePool);
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
    // Every escape JSON has, as the text boxes receive them.
    const auto escaped =
        parseScheme(scheme("\"T_dadi_nb\": \"\\\"\\\\\\/\\b\\f\\t\\u0031\\u7b2c\\ud83d\\ude00\\ud800x\""));
    ASSERT_TRUE(escaped.inputs) << escaped.error.toStdString();
    EXPECT_EQ(escaped.inputs->basePool, "\"\\/\b\f\t1第\xF0\x9F\x98\x80?x");
}

// Schemes of the first version kept the help text as content, numbers below it.
TEST(Scheme, ALeadingHelpTextIsLeftOff)
{
    const auto r =
        parseScheme(scheme("\"T_dadi_nb\": \"大底号码，双击清空\\r\\n1111 2222\", "
                           "\"T_main_sha_2ma\": \"不懂使用请看软件教程\\r\\n双击清空\\r\\n\", "
                           "\"T_main_shazhixuan\": \"1234 不懂使用请看软件教程\""));
    ASSERT_TRUE(r.inputs);
    EXPECT_EQ(r.inputs->basePool, "\r\n1111 2222");
    EXPECT_EQ(r.inputs->killTwoCodes, "\r\n");
    EXPECT_EQ(r.inputs->straightKills, "1234 不懂使用请看软件教程"); // only a leading one

    // A box that itself begins with its help text, once or twice, saves and loads back as
    // it was, however often.
    ConditionInputs typed;
    forEachControl(typed, [](const ControlMeta& c, auto& member) {
        if constexpr (std::is_same_v<std::decay_t<decltype(member)>, std::string>)
            member = std::string(c.help) + std::string(c.help) + "12";
    });
    auto again = parseScheme(serializeScheme(typed));
    ASSERT_TRUE(again.inputs);
    again = parseScheme(serializeScheme(*again.inputs));
    ASSERT_TRUE(again.inputs);
    EXPECT_TRUE(*again.inputs == typed);
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

// Files the JSON parser misreads or would take: the wrong encoding, nothing at all, a key
// named twice (the parser keeps the last). Each is named in English and by its kind, with
// its line and character where the file has one.
TEST(Scheme, EncodingEmptinessAndRepeatedKeysAreNamed)
{
    const QByteArray utf16le = QByteArray("\xFF\xFE{\0}\0", 6);
    const QByteArray utf16be = QByteArray("\xFE\xFF\0{\0}", 6);
    const QByteArray noMark = QByteArray("{\0\"\0", 4);
    using K = SchemeErrorKind;
    const struct {
        QByteArray bytes;
        const char* english;
        K kind;
        int line = 0; // where the window says it is, line and character
        int column = 0;
    } cases[] = {
        {utf16le, "not UTF-8", K::Utf16},
        {utf16be, "not UTF-8", K::Utf16},
        {noMark, "not UTF-8", K::Utf16},
        {"", "empty", K::Empty},
        {" \r\n\t", "empty", K::Empty},
        {"\xEF\xBB\xBF", "empty", K::Empty},
        {"{\"shrink4-scheme\": 1, \"shrink4-scheme\": 1, \"controls\": {}}", "\"shrink4-scheme\" is given twice",
         K::RepeatedKey, 1, 23},
        {scheme("\"T_dadi_nb\": \"1\", \"T_dadi_nb\": \"2\""), "controls.T_dadi_nb", K::RepeatedKey, 1, 54},
        {scheme("\"T_dadi_nb\": \"1\", \"T_dadi\\u005fnb\": \"2\""), "controls.T_dadi_nb", K::RepeatedKey},
        {"{\"controls\": {}, \"shrink4-scheme\": 1, \"controls\": {}}", "\"controls\" is given twice", K::RepeatedKey},
        {scheme("\"T_bogus\": \"\""), "T_bogus", K::UnknownKey, 1, 36},
        {"{\"shrink4-scheme\": 1,\r\n \"controls\": {\"T_dadi_nb\": \"大底\",\n\"Check_dm_jchong\": 7}}",
         "outside 0..2", K::CheckOutOfRange, 3, 1},
        {"\xEF\xBB\xBF{\n \"大底\": \xFF}", "invalid byte at offset 16", K::NotUtf8, 2, 8},
        {"{\n \"大底\": }", "not JSON", K::NotJson, 2, 9},
    };
    for (const auto& c : cases) {
        const auto r = parseScheme(c.bytes);
        EXPECT_FALSE(r.inputs.has_value()) << c.bytes.toHex().constData();
        EXPECT_TRUE(r.error.contains(QString::fromUtf8(c.english))) << r.error.toStdString() << " lacks " << c.english;
        EXPECT_EQ(r.fault.kind, c.kind) << r.error.toStdString();
        if (c.line > 0) {
            EXPECT_EQ(std::pair(r.fault.at.line, r.fault.at.column), std::pair(c.line, c.column))
                << r.error.toStdString();
        }
    }
    // Keys and braces inside texts are text, and the same key in two objects is no repeat.
    const auto quoted =
        parseScheme(scheme("\"T_dadi_nb\": \"{\\\"T_dadi_nb\\\": [\", \"T_main_sha_2ma\": \"T_dadi_nb\""));
    ASSERT_TRUE(quoted.inputs) << quoted.error.toStdString();
    EXPECT_EQ(quoted.inputs->basePool, "{\"T_dadi_nb\": [");
}

#ifndef Q_OS_WIN // named pipes, devices, size limits and fork are Linux's
// The window opens schemes through the same reader as the command line.
TEST(Scheme, OnlyRegularFilesUpTo256MegabytesAreOpened)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
    QFile huge(dir.filePath(QStringLiteral("huge.json")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(qint64(300) * 1024 * 1024)); // sparse: costs no disk
    huge.close();
    const struct {
        QString path;
        const char* english;
        const char* chinese;
    } cases[] = {
        {fifo, "not a regular file", "不是普通文件"},
        {dir.path(), "not a regular file", "不是普通文件"},
        {QStringLiteral("/dev/zero"), "not a regular file", "不是普通文件"},
        {huge.fileName(), "larger than 256 MB", "文件超过256 MB"},
        {dir.filePath(QStringLiteral("nothing.json")), "No such file", "读取失败"},
    };
    for (const auto& c : cases) {
        const auto r = readSchemeFile(c.path);
        EXPECT_FALSE(r.inputs.has_value()) << c.path.toStdString();
        EXPECT_TRUE(r.error.contains(c.path) && r.error.contains(QString::fromUtf8(c.english)))
            << r.error.toStdString();
        EXPECT_EQ(r.fault.kind, SchemeErrorKind::Unreadable);
        EXPECT_TRUE(r.fault.detail.contains(c.path) && r.fault.detail.contains(QString::fromUtf8(c.chinese)))
            << r.fault.detail.toStdString();
    }
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

    // A write that stops at a size limit (as on a full disk) in a child process: the old file
    // must stay as it was, with no temporary beside it.
    const QString path = dir.filePath(QStringLiteral("old.json"));
    ConditionInputs small;
    small.basePool = "1234";
    ASSERT_TRUE(writeSchemeFile(path, small, &error));
    const QByteArray before = readAll(path);
    ConditionInputs large;
    large.basePool = std::string(64 * 1024, '1');
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        QString childError, message;
        const bool written = writeSchemeFile(path, large, &childError, &message);
        ::_exit(!written && message.startsWith(QStringLiteral("写入失败：")) && childError.contains(path) ? 0 : 1);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the failure was not reported";
    EXPECT_TRUE(readAll(path) == before) << "the old file changed";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.json")});

    // A read-only file is said so in Chinese, not in Qt's English words (root may write any
    // file, so the words Qt gives a player are read here directly).
    EXPECT_EQ(chineseFileReason(QStringLiteral("Existing file %1 is not writable").arg(path)),
              QStringLiteral("文件是只读的"));
}
#endif
