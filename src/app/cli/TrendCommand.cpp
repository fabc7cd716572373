#include "cli/CliSupport.h"
#include "cli/Command.h"
#include "cli/DrawsInput.h"
#include "cli/JsonOut.h"
#include "cli/TrendOutput.h"

#include "trends/WalkForward.h"

namespace shrink4::cli {

namespace {

using namespace trends;

void labelField(JsonObjectWriter& j, std::string_view key, const Draw& draw)
{
    if (draw.label)
        j.field(key, *draw.label);
    else
        j.null(key);
}

QByteArray json(const std::vector<Draw>& window, const WindowFigures& figures, const std::vector<RulePick>* picked)
{
    JsonObjectWriter out;
    out.field("draws", figures.draws);
    labelField(out, "first", window.front());
    labelField(out, "last", window.back());
    out.field("families", familiesJson(figures));
    if (picked)
        out.field("picked", pickedJson(*picked));
    return out.finish() + '\n';
}

QString readable(const std::vector<Draw>& window, const WindowFigures& figures, const std::vector<RulePick>* picked)
{
    const auto label = [](const Draw& d) { return d.label ? QString::fromStdString(*d.label) : QStringLiteral("-"); };
    QString text =
        QStringLiteral("%1 draws, %2 to %3\n\n").arg(figures.draws).arg(label(window.front()), label(window.back()));
    text += familiesTable(figures);
    if (picked)
        text += QStringLiteral("picked\n") + pickedLines(*picked, QStringLiteral("  "));
    return text;
}

} // namespace

int trendCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Figures of past draws for every family of values: hits, expected hits, current and longest omission, "
        "average omission; with --rule, the values each rule picks."));
    const QCommandLineOption jsonOption(QStringLiteral("json"),
                                        QStringLiteral("Print one JSON object instead of tables."));
    const auto last = lastOption();
    const auto rule = ruleOption();
    parser.addOption(jsonOption);
    parser.addOption(last);
    addLayoutOptions(parser);
    parser.addOption(rule);
    parser.addPositionalArgument(QStringLiteral("DRAWS"),
                                 QStringLiteral("Past draws, one a line, or - for standard input."));
    if (auto exit = parseArguments(parser, arguments, 1, {QStringLiteral("rule")}))
        return *exit;
    const QString command = arguments.value(0);
    const auto count = lastCount(parser, last, command);
    const auto rules = ruleOptions(parser, rule, command);
    if (!count || !rules)
        return kBadInput;
    auto draws = loadDraws(command, parser.positionalArguments().at(0), parser);
    if (!draws)
        return kBadInput;
    keepLatest(*draws, *count);
    const auto figures = windowFigures(*draws);
    std::optional<std::vector<RulePick>> picked;
    if (parser.isSet(rule))
        picked = pickRules(*rules, *draws);
    const auto* picks = picked ? &*picked : nullptr;
    if (parser.isSet(jsonOption))
        printOutBytes(json(*draws, figures, picks));
    else
        printOut(readable(*draws, figures, picks));
    return kOk;
}

} // namespace shrink4::cli
