#include "cli/CliSupport.h"
#include "cli/Command.h"
#include "cli/JsonOut.h"
#include "cli/PrizeInput.h"

#include "core/TextScan.h"
#include "engine/PrizeOdds.h"

namespace shrink4::cli {

namespace {

QByteArray json(const PrizeTable& table, const PrizeOdds& odds)
{
    std::vector<JsonObjectWriter> tiers;
    for (std::size_t i = 0; i < odds.tiers.size(); ++i) {
        JsonObjectWriter t;
        t.field("name", table.tiers[i].name)
            .field("draws", odds.tiers[i].draws)
            .field("expected", odds.tiers[i].expected);
        tiers.push_back(std::move(t));
    }
    JsonObjectWriter out;
    out.field("tickets", odds.tickets).field("cost", odds.cost).field("expected_return", odds.expectedReturn);
    out.fieldOrNull("return_rate", odds.returnRate);
    out.field("any_prize", odds.anyPrize).field("cost_back", odds.costBack).field("tiers", tiers);
    return out.finish() + '\n';
}

QString readable(const PrizeTable& table, const PrizeOdds& odds)
{
    QString text = QStringLiteral("%1 tickets, cost %2, expected return %3 (%4 of the cost)\n")
                       .arg(QString::number(odds.tickets), QString::number(odds.cost, 'f', 2),
                            QString::number(odds.expectedReturn, 'f', 2),
                            odds.returnRate ? QString::number(*odds.returnRate * 100, 'f', 2) + QLatin1Char('%')
                                            : QStringLiteral("-"));
    text += QStringLiteral("any prize on %1 of draws, the cost back on %2\n")
                .arg(QString::number(odds.anyPrize * 100, 'f', 2) + QLatin1Char('%'),
                     QString::number(odds.costBack * 100, 'f', 2) + QLatin1Char('%'));
    for (std::size_t i = 0; i < odds.tiers.size(); ++i)
        text += QStringLiteral("  %1  won on %2 draws, expected %3\n")
                    .arg(QString::fromStdString(table.tiers[i].name), QString::number(odds.tiers[i].draws),
                         QString::number(odds.tiers[i].expected, 'f', 4));
    return text;
}

} // namespace

int oddsCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "What a list of tickets costs and returns over all 10,000 equally likely draws, by a prize table."));
    const QCommandLineOption jsonOption(QStringLiteral("json"), QStringLiteral("Print one JSON object."));
    const auto prizes = prizesOption();
    parser.addOption(jsonOption);
    parser.addOption(prizes);
    parser.addPositionalArgument(QStringLiteral("LIST"),
                                 QStringLiteral("The tickets: every four-digit number of a list text, or - for "
                                                "standard input."));
    if (auto exit = parseArguments(parser, arguments, 1))
        return *exit;
    const QString command = arguments.value(0);
    if (!parser.isSet(prizes)) {
        printErr(QStringLiteral("%1: --prizes TABLE is required\n").arg(command));
        return kBadInput;
    }
    const auto table = loadPrizeTable(command, parser.value(prizes));
    if (!table)
        return kBadInput;
    QString error;
    const auto list = readInput(parser.positionalArguments().at(0), &error);
    if (!list) {
        printErr(QStringLiteral("%1: %2\n").arg(command, error));
        return kBadInput;
    }
    const PrizeOdds odds =
        prizeOdds(fourDigitWindows(std::string_view(list->constData(), std::size_t(list->size()))), *table);
    if (parser.isSet(jsonOption))
        printOutBytes(json(*table, odds));
    else
        printOut(readable(*table, odds));
    return kOk;
}

} // namespace shrink4::cli
