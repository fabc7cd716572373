// How shrink4-cli takes its arguments: an option given twice is refused rather than one of
// its values silently dropped, and an argument shown in an error cannot break its line.

#include "cli/CliTestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace shrink4::testing;

namespace {

const QByteArray kScheme = "{\"shrink4-scheme\": 1, \"controls\": {}}";

} // namespace

TEST(CliArguments, EveryOptionGivenTwiceIsRefused)
{
    const TempInput scheme(kScheme);
    const TempInput list("1234\n");
    const TempInput draws("2024001 1234\n");
    const QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("out.txt"));
    const struct {
        QStringList command; // with every argument it needs
        QStringList option;  // given twice before the rest
        const char* shownAs;
    } cases[] = {
        {{"run", scheme.path()}, {"--json"}, "--json"},
        {{"run", scheme.path()}, {"-o", output}, "-o"},
        {{"run", scheme.path()}, {"--output", output}, "--output"},
        {{"group", scheme.path()}, {"--json"}, "--json"},
        {{"check", scheme.path(), "1234"}, {"--group"}, "--group"},
        {{"stats", scheme.path()}, {"--json"}, "--json"},
        {{"explain", scheme.path(), "1234"}, {"--json"}, "--json"},
        {{"backtest", scheme.path(), draws.path()}, {"--json"}, "--json"},
        {{"backtest", scheme.path(), draws.path()}, {"--last", "1"}, "--last"},
        {{"sets", "--op", "and", list.path(), list.path()}, {"--json"}, "--json"},
        {{"sets", list.path(), list.path()}, {"--op", "or"}, "--op"},
        {{"splice", "--page", "24", "--box", "0=" + list.path()}, {"--json"}, "--json"},
        {{"splice", "--page", "24", "--box", "0=" + list.path()}, {"--delete"}, "--delete"},
        {{"splice", "--box", "0=" + list.path()}, {"--page", "24"}, "--page"},
    };
    for (const auto& c : cases) {
        const QStringList arguments = c.command.mid(0, 1) + c.option + c.option + c.command.mid(1);
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const auto r = runCli(arguments);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(r.err, "shrink4-cli " + c.command.first().toUtf8() + ": " + c.shownAs + " is given more than once\n");
    }
    // Its two names are one option, and the last one given must not win unnoticed.
    const auto both = runCli({"run", "-o", output, "--output", output + "2", scheme.path()});
    EXPECT_EQ(both.exitCode, 2);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

// Where the error names a path or echoes a value, a line break in it is shown as \n.
TEST(CliArguments, AnArgumentWithALineBreakStaysOnTheErrorLine)
{
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("two\nlines.json"));
    QFile notJson(broken);
    // Windows allows no line break in a name: there the broken file is a missing one too.
    [[maybe_unused]] const bool made = notJson.open(QIODevice::WriteOnly) && notJson.write("{") == 1;
#ifndef Q_OS_WIN
    ASSERT_TRUE(made);
#endif
    notJson.close();
    const TempInput scheme(kScheme);
    const QString missing = dir.filePath(QStringLiteral("no\nsuch"));
    const QStringList commands[] = {
        {"run", missing},
        {"run", broken},
        {"run", "-o", missing + "/out.txt", scheme.path()},
        {"backtest", scheme.path(), missing},
        {"backtest", scheme.path(), broken},
        {"sets", "--op", "and", scheme.path(), missing},
        {"sets", "--op", "x\ny", scheme.path(), scheme.path()},
        {"splice", "--page", "24", "--box", "0=" + missing},
        {"splice", "--page", "24", "--box", "x\ny=" + scheme.path()},
        {"run", "--x\ny", scheme.path()},
        {"x\ny"},
    };
    for (const QStringList& arguments : commands) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const auto r = runCli(arguments);
        EXPECT_NE(r.exitCode, 0);
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
        EXPECT_TRUE(r.err.contains("\\n")) << r.err.constData();
    }
}
