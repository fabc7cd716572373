// Inputs that are not regular files and outputs that cannot be written, through the real
// binary: every refused input exits 2 at once with one line, every lost output exits 1.

#include "cli/CliTestSupport.h"

#include "Shrink4Version.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace shrink4::testing;

namespace {

const QByteArray kScheme = "{\"shrink4-scheme\": 1, \"controls\": {}}";

// Runs shrink4-cli through the shell, for standard streams QProcess cannot arrange. The
// script names the binary as "$CLI" and its arguments as "$@".
CliOutcome runInShell(const QString& script, const QStringList& arguments)
{
    QProcess process;
    QStringList shellArguments{QStringLiteral("-c"), QStringLiteral("CLI=\"$0\"; ") + script,
                               QStringLiteral(SHRINK4_CLI_PATH)};
    process.start(QStringLiteral("/bin/sh"), shellArguments + arguments);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError(),
            process.exitStatus() != QProcess::NormalExit};
}

struct Fixture {
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    Fixture()
    {
        QFile b(path("b.txt"));
        b.open(QIODevice::WriteOnly);
        b.write("1234\n");
        QFile s(path("s.json"));
        s.open(QIODevice::WriteOnly);
        s.write(kScheme);
        QFile huge(path("huge.json"));
        huge.open(QIODevice::WriteOnly);
        huge.resize(qint64(300) * 1024 * 1024); // sparse: costs no disk
        ::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600);
    }
};

} // namespace

TEST(CliInput, WhatIsNotARegularFileOrTooLargeIsRefusedAtOnce)
{
    Fixture f;
    const QString b = f.path("b.txt");
    const struct {
        QString script;
        QStringList arguments;
        const char* mentioned;
    } cases[] = {
        {"exec \"$CLI\" \"$@\"", {"run", f.path("fifo")}, "not a regular file"},
        {"exec \"$CLI\" \"$@\"", {"run", f.dir.path()}, "not a regular file"},
        {"exec \"$CLI\" \"$@\"", {"group", "/dev/zero"}, "not a regular file"},
        {"exec \"$CLI\" \"$@\"", {"sets", "--op", "and", b, f.path("fifo")}, "not a regular file"},
        {"exec \"$CLI\" \"$@\"", {"splice", "--page", "24", "--box", "0=" + f.dir.path()}, "not a regular file"},
        {"exec \"$CLI\" \"$@\"", {"run", f.path("huge.json")}, "larger than 256 MB"},
        {"exec \"$CLI\" \"$@\"", {"run", ""}, "no file name given"},
        {"exec \"$CLI\" \"$@\" <&-", {"sets", "--op", "or", "-", b}, "standard input"},
        {"exec \"$CLI\" \"$@\" <&-", {"run", "-"}, "standard input"},
        {"exec \"$CLI\" \"$@\" <\"$(dirname \"$CLI\")\"", {"run", "-"}, "Is a directory"},
        {"head -c 270000000 /dev/zero | \"$CLI\" \"$@\"", {"run", "-"}, "larger than 256 MB"},
    };
    for (const auto& c : cases) {
        const auto what = (c.script + ' ' + c.arguments.join(' ')).toStdString();
        QElapsedTimer timer;
        timer.start();
        const auto r = runInShell(c.script, c.arguments);
        EXPECT_LT(timer.elapsed(), 20000) << what;
        EXPECT_EQ(r.exitCode, 2) << what << r.err.constData();
        EXPECT_TRUE(r.out.isEmpty()) << what;
        EXPECT_EQ(r.err.count('\n'), 1) << what << r.err.constData();
        EXPECT_TRUE(r.err.contains(c.mentioned)) << what << r.err.constData();
    }
}

// Draws just under the limit whose answer does not fit the memory the system gives: one
// line and status 2, never an abort. (A sanitizer's shadow memory cannot start under a cap.)
#ifndef SHRINK4_SANITIZED
TEST(CliInput, OutOfMemoryIsOneLineAndStatusTwo)
{
    Fixture f;
    QFile draws(f.path("draws.txt"));
    ASSERT_TRUE(draws.open(QIODevice::WriteOnly));
    QByteArray text;
    for (int issue = 0; text.size() < 7'900'000; ++issue)
        text += QByteArray::number(10000000 + issue) + ' ' + QByteArray::number(1000 + issue % 9000) + '\n';
    draws.write(text);
    draws.close();
    const auto r =
        runInShell(QStringLiteral("ulimit -v 250000; exec \"$CLI\" \"$@\""),
                   {QStringLiteral("backtest"), QStringLiteral("--json"), f.path("s.json"), draws.fileName()});
    EXPECT_FALSE(r.crashed);
    EXPECT_EQ(r.exitCode, 2) << r.err.constData();
    EXPECT_TRUE(r.err.contains("out of memory")) << r.err.constData();
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
}
#endif

TEST(CliOutput, LostOutputExitsOneWithOneLine)
{
    Fixture f;
    const QString s = f.path("s.json");
    const QString b = f.path("b.txt");
    const QStringList commands[] = {
        {"run", s},
        {"run", "--json", s},
        {"group", s},
        {"sets", "--op", "or", b, b},
        {"sets", "--op", "or", "--json", b, b},
    };
    // A closed descriptor, a full device, and a pipe whose reader is gone before the first
    // write (the status then comes back on the script's own output).
    // Each with the system's reason.
    const std::pair<const char*, const char*> sinks[] = {
        {"exec \"$CLI\" \"$@\" >&-", "Bad file descriptor"},
        {"exec \"$CLI\" \"$@\" >/dev/full", "No space left on device"},
        {"{ (sleep 0.3; \"$CLI\" \"$@\"; echo $? >&3) | true; } 3>&1", "Broken pipe"}};
    for (const auto& arguments : commands)
        for (const auto& [sink, reason] : sinks) {
            const auto what = QString::fromLatin1(sink).toStdString() + ' ' + arguments.join(' ').toStdString();
            const auto r = runInShell(QString::fromLatin1(sink), arguments);
            const int status = QByteArray(sink).contains("| true") ? r.out.trimmed().toInt() : r.exitCode;
            EXPECT_FALSE(r.crashed) << what;
            EXPECT_EQ(status, 1) << what;
            EXPECT_EQ(r.err, QByteArray("shrink4-cli: standard output could not be written: ") + reason + '\n') << what;
        }
}

TEST(CliTopLevel, VersionHelpAndUnknownCommands)
{
    const QByteArray version = QByteArray("shrink4-cli ") + shrink4::kVersion + '\n';
    const struct {
        QStringList args;
        int exitCode;
        QByteArray out; // the whole output, or its start when it ends in "..."
        QByteArray err;
    } cases[] = {
        {{QStringLiteral("--version")}, 0, version, ""},
        {{QStringLiteral("-V")}, 0, version, ""},
        {{QStringLiteral("--help")}, 0, "Usage: shrink4-cli <command> [options]\n...", ""},
        {{}, 2, "", "shrink4-cli: no command given; see shrink4-cli --help\n"},
        {{QStringLiteral("--versions")},
         2,
         "",
         "shrink4-cli: unknown command \"--versions\"; see shrink4-cli --help\n"},
    };
    for (const auto& c : cases) {
        const auto r = runCli(c.args);
        const std::string what = c.args.join(' ').toStdString();
        EXPECT_EQ(r.exitCode, c.exitCode) << what;
        if (c.out.endsWith("..."))
            EXPECT_TRUE(r.out.startsWith(c.out.chopped(3))) << what << r.out.constData();
        else
            EXPECT_EQ(r.out, c.out) << what;
        EXPECT_EQ(r.err, c.err) << what;
    }
    // The version goes to a full disk as any output does: lost, it is an error.
    const auto lost = runInShell(QStringLiteral("\"$CLI\" --version > /dev/full"), {});
    EXPECT_EQ(lost.exitCode, 1);
}
