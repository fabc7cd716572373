#include "cli/CliSupport.h"
#include "cli/Command.h"
#include "cli/JsonOut.h"

#include "core/TextScan.h"
#include "engine/FilterRun.h"
#include "engine/Statistics.h"
#include "scheme/TypedText.h"

#include <optional>
#include <string_view>
#include <vector>

namespace shrink4::cli {

namespace {

// Exactly four ASCII digits once full-width digits are read and the ends trimmed.
std::optional<int> typedNumber(const QString& argument)
{
    const QString text = typedText(argument).trimmed();
    if (text.size() != 4)
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

QString readable(int number, const NumberExplanation& e)
{
    QString text = QStringLiteral("%1: %2\n")
                       .arg(QString::fromStdString(numberText(number)),
                            e.listed ? QStringLiteral("listed") : QStringLiteral("not listed"));
    text += QStringLiteral("in pool: %1\nfail count: %2\n").arg(e.inPool ? "yes" : "no").arg(e.failCount);
    for (const auto& key : e.failed)
        text += QStringLiteral("failed by: %1\n").arg(QString::fromUtf8(key.data(), qsizetype(key.size())));
    return text;
}

} // namespace

int explainCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Perform a filter run and tell why NUMBER is or is not listed: the base pool, its failure count and the conditions that fail it."));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print one JSON object."));
    parser.addOption(json);
    auto start =
        startSchemeCommand(parser, arguments, {{QStringLiteral("NUMBER"), QStringLiteral("Four digits, as typed.")}});
    if (!start.inputs)
        return start.exitStatus;
    const QString argument = parser.positionalArguments().at(1);
    const auto number = typedNumber(argument);
    if (!number) {
        // Not echoed: the argument may hold line breaks, and the error is one line.
        printErr(QStringLiteral("%1: NUMBER must be exactly four digits\n").arg(arguments.at(0)));
        return kBadInput;
    }
    const auto e = explainNumber(filterRun(*start.inputs), *number);
    if (!parser.isSet(json)) {
        printOut(readable(*number, e));
        return kOk;
    }
    JsonObjectWriter out;
    out.field("number", numberText(*number))
        .flag("listed", e.listed)
        .flag("in_pool", e.inPool)
        .field("fail_count", e.failCount)
        .field("failed", e.failed);
    printOutBytes(out.finish() + '\n');
    return kOk;
}

} // namespace shrink4::cli
