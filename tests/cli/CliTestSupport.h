#pragma once
// Runs the real shrink4-cli binary, so the tests see exactly what a user sees: exit status,
// standard output and standard error. The binary's path comes from the build
// (SHRINK4_CLI_PATH, set with $<TARGET_FILE:shrink4-cli>).

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>

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
    return outcome;
}

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
