#pragma once
// Runs the real shrink4-cli binary, so the tests see exactly what a user sees: exit status,
// standard output and standard error. The binary's path comes from the build
// (SHRINK4_CLI_PATH, set with $<TARGET_FILE:shrink4-cli>).

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <vector>

#ifndef SHRINK4_CLI_PATH
#error "SHRINK4_CLI_PATH must name the shrink4-cli binary"
#endif

namespace shrink4::testing {

struct CliOutcome {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    bool crashed = false;
};

// Runs shrink4-cli with the arguments, feeding stdinData to its standard input (which is
// then closed, so a command reading "-" sees end of input).
inline CliOutcome runCli(const QStringList& arguments, const QByteArray& stdinData = {})
{
    QProcess process;
    process.setProgram(QStringLiteral(SHRINK4_CLI_PATH));
    process.setArguments(arguments);
    process.start();
    CliOutcome outcome;
    if (!process.waitForStarted(30000))
        return outcome;
    if (!stdinData.isEmpty())
        process.write(stdinData);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    outcome.crashed = process.exitStatus() != QProcess::NormalExit;
    outcome.exitCode = outcome.crashed ? -1 : process.exitCode();
    outcome.out = process.readAllStandardOutput();
    outcome.err = process.readAllStandardError();
#ifdef Q_OS_WIN
    // Standard output and error are text streams on Windows: each LF goes out as CR LF.
    outcome.out.replace("\r\n", "\n");
    outcome.err.replace("\r\n", "\n");
#endif
    return outcome;
}

#ifndef Q_OS_WIN
inline QByteArray readDescriptor(int fd)
{
    QByteArray bytes;
    char buffer[65536];
    ::lseek(fd, 0, SEEK_SET);
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, n);
    return bytes;
}

// Runs shrink4-cli with arguments as bytes, which QProcess would pass only as UTF-8. With
// asNobody, a root caller runs it as user 65534, so that what only root could do fails as
// it would for a player. exitCode is 127 when it could not be started.
inline CliOutcome runCliBytes(const std::vector<QByteArray>& arguments, const QByteArray& stdinData = {},
                              bool asNobody = false)
{
    QTemporaryFile in, out, err;
    if (!in.open() || !out.open() || !err.open() || in.write(stdinData) != stdinData.size() || !in.flush())
        return {};
    std::vector<QByteArray> strings{QByteArray(SHRINK4_CLI_PATH)};
    strings.insert(strings.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& s : strings)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    ::lseek(in.handle(), 0, SEEK_SET);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(in.handle(), 0);
        ::dup2(out.handle(), 1);
        ::dup2(err.handle(), 2);
        if (asNobody && ::geteuid() == 0
            && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(127);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    CliOutcome outcome;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid)
        return outcome;
    outcome.crashed = !WIFEXITED(status);
    outcome.exitCode = outcome.crashed ? -1 : WEXITSTATUS(status);
    outcome.out = readDescriptor(out.handle());
    outcome.err = readDescriptor(err.handle());
    return outcome;
}
#endif

// A temporary input file for the commands that take file arguments; removed with the object.
class TempInput {
public:
    explicit TempInput(const QByteArray& contents)
    {
        if (m_file.open()) {
            m_file.write(contents);
            m_file.flush();
        }
    }
    QString path() const { return m_file.fileName(); }

private:
    QTemporaryFile m_file;
};

} // namespace shrink4::testing
