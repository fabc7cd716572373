#include "scheme/ArgumentBytes.h"
#include "cli/CliSupport.h"
#include "cli/Command.h"
#include "cli/DrawsInput.h"
#include "cli/JsonOut.h"
#include "cli/PrizeInput.h"
#include "cli/RuleBacktest.h"
#include "cli/TrialsBacktest.h"

#include "core/TextScan.h"
#include "engine/Backtest.h"
#include "engine/PrizeOdds.h"
#include "engine/HitRateInterval.h"

#include <numeric>
#include <optional>
#include <string_view>
#include <utility>

namespace shrink4::cli {

namespace {

// With a prize table: what the listed numbers paid on each tested draw, and their cost.
struct Money {
    std::vector<double> paid; // by the draws of the backtest, in time order
    double cost = 0;          // a draw's: the listed numbers × the price
    double paidTotal() const { return std::accumulate(paid.begin(), paid.end(), 0.0); }
    double costTotal() const { return cost * double(paid.size()); }
};

Money moneyOf(const RunResult& run, const Backtest& b, const PrizeTable& table)
{
    NumberSet listed;
    for (const int n : run.list.numbers)
        listed.set(n);
    const DrawPayouts payouts = drawPayouts(listed, table);
    Money money{{}, run.list.count * table.price};
    for (const auto& o : b.outcomes)
        money.paid.push_back(payouts.paid[std::size_t(o.draw.number)]);
    return money;
}

QString qText(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

JsonObjectWriter outcomeJson(const DrawOutcome& o)
{
    const auto& e = o.explanation;
    JsonObjectWriter j;
    if (o.draw.label)
        j.field("label", *o.draw.label);
    else
        j.null("label");
    j.field("number", numberText(o.draw.number))
        .flag("listed", e.listed)
        .field("fail_count", e.failCount)
        .flag("in_pool", e.inPool)
        .field("failed", e.failed);
    return j;
}

JsonObjectWriter summaryJson(const BacktestSummary& s)
{
    JsonObjectWriter j;
    j.field("draws", s.draws).field("listed", s.listed).field("hit_rate", s.hitRate);
    j.field("survivors", s.survivors).field("baseline", s.baseline);
    if (s.lift)
        j.field("lift", *s.lift);
    else
        j.null("lift");
    j.field("hit_rate_low", s.hitRateLow).field("hit_rate_high", s.hitRateHigh);
    j.field("longest_miss_run", s.longestMissRun).field("current_miss_run", s.currentMissRun);
    return j;
}

QByteArray json(const Backtest& b, const Money* money)
{
    std::vector<JsonObjectWriter> draws, rows;
    for (std::size_t i = 0; i < b.outcomes.size(); ++i) {
        draws.push_back(outcomeJson(b.outcomes[i]));
        if (money)
            draws.back().field("paid", money->paid[i]).field("cost", money->cost);
    }
    for (const auto& r : b.rows) {
        JsonObjectWriter j;
        j.field("key", r.key).field("killed_draws", r.killedDraws).field("rate", r.rate);
        rows.push_back(std::move(j));
    }
    JsonObjectWriter summary = summaryJson(b.summary);
    if (money)
        summary.field("paid", money->paidTotal())
            .field("cost", money->costTotal())
            .field("net", money->paidTotal() - money->costTotal());
    JsonObjectWriter out;
    out.field("draws", draws).field("summary", summary).field("conditions", rows);
    return out.finish() + '\n';
}

QString readable(const Backtest& b, const Money* money)
{
    QString text;
    for (const auto& o : b.outcomes) {
        QStringList failed;
        for (const auto& key : o.explanation.failed)
            failed << qText(key);
        text += QStringLiteral("%1 %2 %3 %4\n")
                    .arg(o.draw.label ? QString::fromStdString(*o.draw.label) : QStringLiteral("-"), 10)
                    .arg(QString::fromStdString(numberText(o.draw.number)))
                    .arg(o.explanation.listed ? QStringLiteral("listed") : QStringLiteral("missed"), -6)
                    .arg(failed.join(QLatin1Char(' ')));
    }
    const auto& s = b.summary;
    text += QStringLiteral("\n%1 of %2 draws listed (%3, 95% interval %4 to %5), survivors %6 (%7), lift %8\n")
                .arg(s.listed)
                .arg(s.draws)
                .arg(s.hitRate, 0, 'f', 4)
                .arg(s.hitRateLow, 0, 'f', 4)
                .arg(s.hitRateHigh, 0, 'f', 4)
                .arg(s.survivors)
                .arg(s.baseline, 0, 'f', 4)
                .arg(s.lift ? QString::number(*s.lift, 'f', 2) : QStringLiteral("-"));
    if (showsNoSkill(s.hitRateLow, s.hitRateHigh, s.baseline))
        text += QStringLiteral("the interval covers the baseline: no sign of skill over a random pick\n");
    text += QStringLiteral("longest miss run %1, current miss run %2\n").arg(s.longestMissRun).arg(s.currentMissRun);
    if (money)
        text += QStringLiteral("paid %1, cost %2, net %3\n")
                    .arg(QString::number(money->paidTotal(), 'f', 2), QString::number(money->costTotal(), 'f', 2),
                         QString::number(money->paidTotal() - money->costTotal(), 'f', 2));
    text += QLatin1Char('\n');
    for (const auto& r : b.rows)
        text += QStringLiteral("%1 %2  %3\n")
                    .arg(r.killedDraws, 6)
                    .arg(r.rate, 6, 'f', 4)
                    .arg(QString::fromStdString(r.key));
    return text;
}

// --rule and --window together, W a whole number of 1 or more; none (the error printed)
// otherwise. 0 without either.
std::optional<int> windowSize(const QCommandLineParser& parser, const QCommandLineOption& rule,
                              const QCommandLineOption& window, const QString& command)
{
    if (!parser.isSet(rule) && !parser.isSet(window))
        return 0;
    if (!parser.isSet(window)) {
        printErr(QStringLiteral("%1: --rule needs --window W, the draws each rule is picked from\n").arg(command));
        return std::nullopt;
    }
    if (!parser.isSet(rule)) {
        printErr(QStringLiteral("%1: --window is used only with --rule\n").arg(command));
        return std::nullopt;
    }
    bool numeric = false;
    const int size = parser.value(window).toInt(&numeric);
    if (!numeric || size < 1) {
        printErr(QStringLiteral("%1: --window needs a whole number of draws, 1 or more\n").arg(command));
        return std::nullopt;
    }
    return size;
}

} // namespace

int backtestCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Perform a filter run, then look up each past draw in it: was it listed, and which conditions failed it. "
        "With --rule, test the rules walking forward: each tested draw is looked up in the run of the scheme with "
        "the rules picked from the W draws before it."));
    const QCommandLineOption jsonOption(QStringLiteral("json"),
                                        QStringLiteral("Print one JSON object instead of a table."));
    const QCommandLineOption last(QStringLiteral("last"), QStringLiteral("Only the latest N draws."),
                                  QStringLiteral("N"));
    const auto rule = ruleOption();
    const QCommandLineOption window(QStringLiteral("window"),
                                    QStringLiteral("With --rule: the rules are picked from the W draws before each "
                                                   "tested draw; a draw with fewer before it is skipped."),
                                    QStringLiteral("W"));
    parser.addOption(jsonOption);
    parser.addOption(last);
    addLayoutOptions(parser);
    parser.addOption(rule);
    parser.addOption(window);
    const auto prizes = prizesOption();
    parser.addOption(prizes);
    for (const auto& option : trialsOptions())
        parser.addOption(option);
    auto start = startSchemeCommand(
        parser, arguments,
        {{QStringLiteral("DRAWS"), QStringLiteral("Past draws, one a line, or - for standard input.")}},
        {QStringLiteral("rule")});
    if (!start.inputs)
        return start.exitStatus;
    const QString command = arguments.value(0);
    const auto lastDraws = lastCount(parser, last, command);
    const auto rules = ruleOptions(parser, rule, command);
    const auto windowDraws = windowSize(parser, rule, window, command);
    if (!lastDraws || !rules || !windowDraws)
        return kBadInput;
    const QStringList paths = parser.positionalArguments();
    if (paths.at(0) == QLatin1String("-") && paths.at(1) == QLatin1String("-")) {
        printErr(QStringLiteral("%1: standard input (-) can be given for only one of SCHEME and DRAWS\n").arg(command));
        return kBadInput;
    }
    std::optional<PrizeTable> table;
    if (parser.isSet(prizes) && !(table = loadPrizeTable(command, parser.value(prizes))))
        return kBadInput;
    auto draws = loadDraws(command, paths.at(1), parser);
    if (!draws)
        return kBadInput;
    if (wantsTrials(parser))
        return trialsBacktest(parser, command, *start.inputs, *draws);
    if (!rules->empty()) {
        if (table) {
            printErr(QStringLiteral("%1: --prizes is not yet priced walking forward; leave out --rule\n").arg(command));
            return kBadInput;
        }
        printRuleBacktest(*start.inputs, *draws, *rules, *windowDraws, *lastDraws, parser.isSet(jsonOption));
        return kOk;
    }
    keepLatest(*draws, *lastDraws);
    const RunResult run = filterRun(*start.inputs);
    const auto result = backtest(run, *draws);
    const std::optional<Money> money = table ? std::optional(moneyOf(run, result, *table)) : std::nullopt;
    const Money* priced = money ? &*money : nullptr;
    if (parser.isSet(jsonOption))
        printOutBytes(json(result, priced));
    else
        printOut(readable(result, priced));
    return kOk;
}

} // namespace shrink4::cli
