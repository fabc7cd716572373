#include "cli/CliSupport.h"
#include "cli/Command.h"
#include "cli/DrawsInput.h"
#include "cli/OutputFile.h"

#include "scheme/SchemeFile.h"
#include "trends/WalkForward.h"

namespace shrink4::cli {

int applyCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Tick the boxes that the values picked by the rules feed, from the figures of the past draws, and write the "
        "scheme so changed."));
    const auto last = lastOption();
    const auto rule = ruleOption();
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Write the scheme to FILE instead of standard output: a file is "
                                                   "replaced whole or, on failure (exit status 1), left as it was."),
                                    QStringLiteral("FILE"));
    parser.addOption(last);
    addLayoutOptions(parser);
    parser.addOption(rule);
    parser.addOption(output);
    parser.addPositionalArgument(QStringLiteral("SCHEME"), QStringLiteral("Scheme file, or - for standard input."));
    parser.addPositionalArgument(QStringLiteral("DRAWS"),
                                 QStringLiteral("Past draws, one a line, or - for standard input."));
    if (auto exit = parseArguments(parser, arguments, 2, {QStringLiteral("rule")}))
        return *exit;
    const QString command = arguments.value(0);
    const auto count = lastCount(parser, last, command);
    const auto rules = ruleOptions(parser, rule, command);
    if (!count || !rules)
        return kBadInput;
    if (rules->empty()) {
        printErr(QStringLiteral("%1: give at least one --rule\n").arg(command));
        return kBadInput;
    }
    if (parser.isSet(output) && parser.value(output).isEmpty()) {
        printErr(QStringLiteral("%1: --output needs a file name\n").arg(command));
        return kBadInput;
    }
    const QStringList paths = parser.positionalArguments();
    if (paths.at(0) == QLatin1String("-") && paths.at(1) == QLatin1String("-")) {
        printErr(QStringLiteral("%1: standard input (-) can be given for only one of SCHEME and DRAWS\n").arg(command));
        return kBadInput;
    }
    auto inputs = loadScheme(paths.at(0));
    if (!inputs)
        return kBadInput;
    auto draws = loadDraws(command, paths.at(1), parser);
    if (!draws)
        return kBadInput;
    keepLatest(*draws, *count);
    for (const auto& picked : trends::pickRules(*rules, *draws))
        trends::applyPicks(*inputs, picked.tracks);
    const QString outputPath = parser.value(output) == QLatin1String("-") ? QString() : parser.value(output);
    return writeResult(serializeScheme(*inputs), outputPath);
}

} // namespace shrink4::cli
