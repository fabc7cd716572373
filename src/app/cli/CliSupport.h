#pragma once
// What every subcommand shares: argument parsing with the exit statuses of the command
// line, reading inputs from files or standard input, and loading schemes.

#include "conditions/ConditionTable.h"
#include "scheme/InputFile.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <string>
#include <vector>

namespace shrink4::cli {

void printOut(const QString& text);
void printOutBytes(const QByteArray& bytes);
void printErr(const QString& text);
// Flushes and closes standard output; the system's reason when any of it was lost.
std::optional<QString> finishOutput();

// Parses the arguments; prints help or the usage error itself. An option given twice is an
// error unless it is named in repeatable. Returns the exit status when the command must
// stop here.
std::optional<int> parseArguments(QCommandLineParser& parser, const QStringList& arguments, int positionalCount,
                                  const QStringList& repeatable = {});

// Prints numbers as four-digit texts, one per line.
void printNumbers(const std::vector<int>& values);
QByteArray numbersText(const std::vector<int>& values);

// The four-digit texts of numbers, for JSON arrays.
std::vector<std::string> numberTexts(const std::vector<int>& values);

// Reads a regular file, or standard input for "-" (readable only once), up to limit
// (256 MB unless given). The path is an argument as given (see ArgumentBytes.h); errors
// show it quoted.
std::optional<QByteArray> readInput(const QString& path, QString* error, qint64 limit = kMaxInputBytes);

// Loads a scheme argument, printing the error on failure.
std::optional<ConditionInputs> loadScheme(const QString& path);

// The start of every command that runs a scheme: adds the SCHEME argument (then any
// further ones, as name and description), parses, and loads the scheme. Holds either the
// inputs or the exit status to stop with.
struct SchemeCommandStart {
    std::optional<ConditionInputs> inputs;
    int exitStatus = 0;
};
SchemeCommandStart startSchemeCommand(QCommandLineParser& parser, const QStringList& arguments,
                                      const QList<std::pair<QString, QString>>& furtherArguments = {},
                                      const QStringList& repeatable = {});

} // namespace shrink4::cli
