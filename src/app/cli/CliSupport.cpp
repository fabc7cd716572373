#include "cli/CliSupport.h"

#include "scheme/ArgumentBytes.h"
#include "cli/Command.h"
#include "core/TextScan.h"
#include "scheme/InputFile.h"
#include "scheme/SchemeFile.h"

#include <QFile>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>

namespace shrink4::cli {

namespace {

int outputError = 0; // errno of the first lost output

void noteOutputError()
{
    if (outputError == 0)
        outputError = errno != 0 ? errno : EIO;
}

} // namespace

void printOutBytes(const QByteArray& bytes)
{
    const auto size = std::size_t(bytes.size());
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, size, stdout) != size || std::fflush(stdout) != 0)
        noteOutputError();
}

std::optional<QString> finishOutput()
{
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        noteOutputError();
    errno = 0;
    // A closed standard output shows only when it is closed.
    if (std::fclose(stdout) != 0)
        noteOutputError();
    if (outputError == 0)
        return std::nullopt;
    return qt_error_string(outputError);
}

void printOut(const QString& text)
{
    printOutBytes(text.toUtf8());
}

void printErr(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

std::vector<std::string> numberTexts(const std::vector<int>& values)
{
    std::vector<std::string> texts;
    texts.reserve(values.size());
    for (int v : values)
        texts.push_back(numberText(v));
    return texts;
}

QByteArray numbersText(const std::vector<int>& values)
{
    QByteArray out;
    out.reserve(qsizetype(values.size()) * 5);
    for (const auto& t : numberTexts(values))
        out.append(t.data(), qsizetype(t.size())).append('\n');
    return out;
}

void printNumbers(const std::vector<int>& values)
{
    printOutBytes(numbersText(values));
}

namespace {

QString dashed(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// A second value would silently win over the first. -o and --output are one option: its
// values hold both.
std::optional<QString> repeatedOption(const QCommandLineParser& parser, const QStringList& repeatable)
{
    const QStringList names = parser.optionNames();
    for (const QString& name : names)
        if (!repeatable.contains(name) && (names.count(name) > 1 || parser.values(name).size() > 1))
            return dashed(name);
    return std::nullopt;
}

} // namespace

std::optional<int> parseArguments(QCommandLineParser& parser, const QStringList& arguments, int positionalCount,
                                  const QStringList& repeatable)
{
    const auto helpOption = parser.addHelpOption();
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QString command = arguments.value(0);
    if (!parser.parse(arguments)) {
        printErr(QStringLiteral("%1: %2\n").arg(command, escaped(parser.errorText())));
        return kBadInput;
    }
    if (parser.isSet(helpOption)) {
        // The usage line names the program; make it name the subcommand too.
        printOut(parser.helpText().replace(QRegularExpression(QStringLiteral("^Usage: \\S+")),
                                           QStringLiteral("Usage: ") + command));
        return kOk;
    }
    if (const auto repeated = repeatedOption(parser, repeatable)) {
        printErr(QStringLiteral("%1: %2 is given more than once\n").arg(command, *repeated));
        return kBadInput;
    }
    if (parser.positionalArguments().size() != positionalCount) {
        printErr(QStringLiteral("%1: expected %2 argument(s), got %3; see --help\n")
                     .arg(command)
                     .arg(positionalCount)
                     .arg(parser.positionalArguments().size()));
        return kBadInput;
    }
    return std::nullopt;
}

std::optional<QByteArray> readInput(const QString& path, QString* error, qint64 limit)
{
    auto read = readInputFile(argumentBytes(path), quoted(path), limit);
    if (!read.bytes)
        *error = read.error;
    return std::move(read.bytes);
}

std::optional<ConditionInputs> loadScheme(const QString& path)
{
    QString error;
    auto bytes = readInput(path, &error);
    if (!bytes) {
        printErr(QStringLiteral("shrink4-cli: %1\n").arg(error));
        return std::nullopt;
    }
    auto result = parseScheme(std::move(*bytes));
    if (!result.inputs) {
        const QString source = path == QLatin1String("-") ? QStringLiteral("standard input") : quoted(path);
        printErr(QStringLiteral("shrink4-cli: %1: %2\n").arg(source, result.error));
        return std::nullopt;
    }
    return result.inputs;
}

SchemeCommandStart startSchemeCommand(QCommandLineParser& parser, const QStringList& arguments,
                                      const QList<std::pair<QString, QString>>& furtherArguments,
                                      const QStringList& repeatable)
{
    parser.addPositionalArgument(QStringLiteral("SCHEME"), QStringLiteral("Scheme file, or - for standard input."));
    for (const auto& [name, description] : furtherArguments)
        parser.addPositionalArgument(name, description);
    if (auto exit = parseArguments(parser, arguments, 1 + int(furtherArguments.size()), repeatable))
        return {std::nullopt, *exit};
    SchemeCommandStart start;
    start.inputs = loadScheme(parser.positionalArguments().at(0));
    start.exitStatus = start.inputs ? kOk : kBadInput;
    return start;
}

} // namespace shrink4::cli
