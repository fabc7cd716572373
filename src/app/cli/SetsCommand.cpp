#include "scheme/ArgumentBytes.h"
#include "cli/CliSupport.h"
#include "cli/Command.h"
#include "cli/JsonOut.h"

#include "tools/ListSetOperations.h"

#include <array>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace shrink4::cli {

namespace {

const std::array<std::pair<const char*, ListSetOperation>, 4> kOperations = {{
    {"and", ListSetOperation::Intersection},
    {"or", ListSetOperation::Union},
    {"a-b", ListSetOperation::AMinusB},
    {"b-a", ListSetOperation::BMinusA},
}};

std::optional<ListSetOperation> operationNamed(const QString& name)
{
    for (const auto& [key, op] : kOperations)
        if (name == QLatin1String(key))
            return op;
    return std::nullopt;
}

} // namespace

int setsCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "The list set tool: a set operation on the four-digit numbers of two list texts. Prints the result numbers ascending, separated by single spaces, on one line."));
    const QCommandLineOption opOption(
        QStringLiteral("op"), QStringLiteral("and (intersection), or (union), a-b or b-a."), QStringLiteral("OP"));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("Print {\"count\": N, \"numbers\": [...]} instead."));
    parser.addOption(opOption);
    parser.addOption(json);
    parser.addPositionalArgument(QStringLiteral("A"), QStringLiteral("File holding list A, or - for standard input."));
    parser.addPositionalArgument(QStringLiteral("B"), QStringLiteral("File holding list B, or - for standard input."));
    if (auto exit = parseArguments(parser, arguments, 2))
        return *exit;
    const QString command = arguments.value(0);
    if (!parser.isSet(opOption)) {
        printErr(QStringLiteral("%1: --op is required (and, or, a-b or b-a)\n").arg(command));
        return kBadInput;
    }
    const auto operation = operationNamed(parser.value(opOption));
    if (!operation) {
        printErr(QStringLiteral("%1: unknown --op %2; use and, or, a-b or b-a\n")
                     .arg(command, quoted(parser.value(opOption))));
        return kBadInput;
    }
    const QStringList paths = parser.positionalArguments();
    if (paths.at(0) == QLatin1String("-") && paths.at(1) == QLatin1String("-")) {
        printErr(QStringLiteral("%1: standard input (-) can be given for only one of A and B\n").arg(command));
        return kBadInput;
    }
    QByteArray lists[2];
    for (int i = 0; i < 2; ++i) {
        QString error;
        auto bytes = readInput(paths.at(i), &error);
        if (!bytes) {
            printErr(QStringLiteral("%1: %2\n").arg(command, error));
            return kBadInput;
        }
        lists[i] = std::move(*bytes);
    }

    const auto result =
        applyListSetOperation(*operation, std::string_view(lists[0].constData(), std::size_t(lists[0].size())),
                              std::string_view(lists[1].constData(), std::size_t(lists[1].size())));
    if (!parser.isSet(json)) {
        printOutBytes(QByteArray(result.text.data(), qsizetype(result.text.size())) + '\n');
        return kOk;
    }
    std::vector<std::string_view> numbers;
    numbers.reserve(std::size_t(result.count));
    for (std::size_t at = 0; at < result.text.size(); at += 5)
        numbers.emplace_back(result.text.data() + at, 4);
    JsonObjectWriter out;
    out.field("count", result.count).field("numbers", numbers);
    printOutBytes(out.finish() + '\n');
    return kOk;
}

} // namespace shrink4::cli
