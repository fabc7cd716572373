#include "cli/TrialsBacktest.h"

#include "cli/CliSupport.h"
#include "cli/Command.h"
#include "cli/JsonOut.h"
#include "cli/RuleBacktest.h"
#include "cli/TrialsFile.h"

#include "scheme/ArgumentBytes.h"
#include "trends/ChanceCheck.h"

#include <optional>

namespace shrink4::cli {

namespace {

using namespace trends;

constexpr qint64 kMaxTrialsBytes = qint64(1) * 1024 * 1024;

struct ChanceRequest {
    int sets = kDefaultChanceSets;
    std::uint64_t seed = 0;
};

// --chance and --seed: none when not asked for; the fault in words when one is bad.
std::optional<ChanceRequest> chanceRequest(const QCommandLineParser& parser, QString* fault)
{
    const bool chance = parser.isSet(QStringLiteral("chance"));
    if (!chance && parser.isSet(QStringLiteral("seed")))
        *fault = QStringLiteral("--seed is used only with --chance");
    if (!chance)
        return std::nullopt;
    ChanceRequest request;
    bool numeric = false;
    request.sets = parser.value(QStringLiteral("chance")).toInt(&numeric);
    if (!numeric || request.sets < 1 || request.sets > kMaxChanceSets)
        *fault = QStringLiteral("--chance needs a number of sets from 1 to %1").arg(kMaxChanceSets);
    if (parser.isSet(QStringLiteral("seed")))
        request.seed = parser.value(QStringLiteral("seed")).toULongLong(&numeric);
    if (!numeric)
        *fault = QStringLiteral("--seed needs a whole number from 0 to 18446744073709551615");
    return request;
}

QString refusedWithTrials(const QCommandLineParser& parser)
{
    if (!parser.isSet(QStringLiteral("trials")))
        return QStringLiteral("--chance and --seed are used only with --trials FILE");
    for (const char* name : {"rule", "last", "prizes"})
        if (parser.isSet(QLatin1String(name)))
            return QStringLiteral("--trials takes its rules, --window and --last from the file; leave out --%1")
                .arg(QLatin1String(name));
    return {};
}

std::optional<std::vector<Trial>> loadTrials(const QString& command, const QString& path)
{
    QString error;
    const auto bytes = readInput(path, &error, kMaxTrialsBytes);
    if (!bytes) {
        printErr(QStringLiteral("%1: %2\n").arg(command, error));
        return std::nullopt;
    }
    auto reading = parseTrialsFile(*bytes);
    if (!reading.error.isEmpty()) {
        printErr(QStringLiteral("%1: %2: %3\n").arg(command, quoted(path), reading.error));
        return std::nullopt;
    }
    return std::move(reading.trials);
}

QString rulesText(const Trial& trial)
{
    QStringList texts;
    for (const auto& rule : trial.rules)
        texts << QString::fromStdString(ruleText(rule));
    return texts.join(QLatin1Char(' '));
}

QByteArray json(std::span<const Trial> trials, const TrialSet& set, const std::optional<ChanceCheck>& chance)
{
    std::vector<JsonObjectWriter> results;
    for (std::size_t i = 0; i < trials.size(); ++i) {
        std::vector<std::string> texts;
        for (const auto& rule : trials[i].rules)
            texts.push_back(ruleText(rule));
        JsonObjectWriter j;
        j.field("rules", std::vector<std::string_view>(texts.begin(), texts.end()));
        j.field("window", trials[i].window);
        if (trials[i].last > 0)
            j.field("last", trials[i].last);
        else
            j.null("last");
        j.field("summary", summaryJson(set.trials[i].summary));
        j.field("without_rules", withoutRulesJson(set.trials[i].withoutRules)).field("z", set.trials[i].z);
        results.push_back(std::move(j));
    }
    JsonObjectWriter out;
    out.field("results", results).field("trials", int(trials.size())).field("best", set.best);
    out.field("threshold", set.threshold).flag("advantage", set.advantage);
    if (chance) {
        JsonObjectWriter c;
        c.field("sets", int(chance->bestZ.size())).field("best_z", chance->bestZ).field("beaten", chance->beaten);
        out.field("chance", c);
    }
    return out.finish() + '\n';
}

QString rate(const std::optional<double>& value)
{
    return value ? QString::number(*value, 'f', 4) : QStringLiteral("-");
}

QString readable(std::span<const Trial> trials, const TrialSet& set, const std::optional<ChanceCheck>& chance,
                 std::uint64_t seed)
{
    QString text = QStringLiteral("    # window   last tested listed hit rate baseline        z  rules\n");
    for (std::size_t i = 0; i < trials.size(); ++i) {
        const auto& s = set.trials[i].summary;
        text += QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8  %9\n")
                    .arg(i, 5)
                    .arg(trials[i].window, 6)
                    .arg(trials[i].last > 0 ? QString::number(trials[i].last) : QStringLiteral("all"), 6)
                    .arg(s.draws, 6)
                    .arg(s.listed, 6)
                    .arg(rate(s.hitRate), 8)
                    .arg(rate(s.baseline), 8)
                    .arg(set.trials[i].z, 8, 'f', 4)
                    .arg(rulesText(trials[i]));
    }
    const auto best = std::size_t(set.best);
    text += QStringLiteral("\nthe best is trial %1, z %2; with %3 tried, a z above %4 is needed\n")
                .arg(set.best)
                .arg(set.trials[best].z, 0, 'f', 4)
                .arg(trials.size())
                .arg(set.threshold, 0, 'f', 4);
    if (chance)
        text += QStringLiteral("chance check: the best z beats the best of %1 of %2 sets of fair draws (seed %3)\n")
                    .arg(chance->beaten)
                    .arg(chance->bestZ.size())
                    .arg(seed);
    text += QStringLiteral("tried %1 rules; %2\n")
                .arg(trials.size())
                .arg(set.advantage ? QStringLiteral("the best beats the threshold")
                                   : QStringLiteral("the best is within chance"));
    return text;
}

} // namespace

std::vector<QCommandLineOption> trialsOptions()
{
    return {
        {QStringLiteral("trials"),
         QStringLiteral("Test every rule set in FILE (one a line: --rule R ... --window W [--last N]) and judge the "
                        "best against how many were tried."),
         QStringLiteral("FILE")},
        {QStringLiteral("chance"),
         QStringLiteral("With --trials: make the same trials on S sets of fair random draws (1 to 200)."),
         QStringLiteral("S")},
        {QStringLiteral("seed"), QStringLiteral("With --chance: the seed of the random draws (default 0)."),
         QStringLiteral("N")}};
}

bool wantsTrials(const QCommandLineParser& parser)
{
    return parser.isSet(QStringLiteral("trials")) || parser.isSet(QStringLiteral("chance"))
           || parser.isSet(QStringLiteral("seed"));
}

int trialsBacktest(const QCommandLineParser& parser, const QString& command, const ConditionInputs& scheme,
                   const std::vector<Draw>& draws)
{
    QString fault = refusedWithTrials(parser);
    const auto request = chanceRequest(parser, &fault);
    if (!fault.isEmpty()) {
        printErr(QStringLiteral("%1: %2\n").arg(command, fault));
        return kBadInput;
    }
    const auto trials = loadTrials(command, parser.value(QStringLiteral("trials")));
    if (!trials)
        return kBadInput;
    const TrialSet set = runTrials(scheme, draws, *trials);
    std::optional<ChanceCheck> chance;
    if (request)
        chance = chanceCheck(scheme, *trials, int(draws.size()), set.trials[std::size_t(set.best)].z, request->sets,
                             request->seed);
    if (parser.isSet(QStringLiteral("json")))
        printOutBytes(json(*trials, set, chance));
    else
        printOut(readable(*trials, set, chance, request ? request->seed : 0));
    return kOk;
}

} // namespace shrink4::cli
