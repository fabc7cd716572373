#include "cli/RuleBacktest.h"

#include "cli/CliSupport.h"
#include "cli/JsonOut.h"
#include "cli/TrendOutput.h"

#include "core/TextScan.h"
#include "trends/WalkForward.h"

namespace shrink4::cli {

namespace {

using namespace trends;

JsonObjectWriter drawJson(const TestedDraw& t)
{
    JsonObjectWriter j;
    if (t.draw.label)
        j.field("label", *t.draw.label);
    else
        j.null("label");
    j.field("number", numberText(t.draw.number)).flag("listed", t.listed).field("survivors", t.survivors);
    j.field("picked", pickedJson(t.picked));
    return j;
}

QByteArray json(const WalkForward& w)
{
    std::vector<JsonObjectWriter> draws;
    for (const auto& t : w.draws)
        draws.push_back(drawJson(t));
    JsonObjectWriter out;
    out.field("draws", draws)
        .field("summary", summaryJson(w.summary))
        .field("without_rules", withoutRulesJson(w.withoutRules));
    return out.finish() + '\n';
}

QString rate(const std::optional<double>& value)
{
    return value ? QString::number(*value, 'f', 4) : QStringLiteral("-");
}

QString readable(const WalkForward& w)
{
    QString text;
    for (const auto& t : w.draws) {
        text += QStringLiteral("%1 %2 %3 %4\n")
                    .arg(t.draw.label ? QString::fromStdString(*t.draw.label) : QStringLiteral("-"), 10)
                    .arg(QString::fromStdString(numberText(t.draw.number)))
                    .arg(t.listed ? QStringLiteral("listed") : QStringLiteral("missed"), -6)
                    .arg(t.survivors, 5);
        text += pickedLines(t.picked, QStringLiteral("    "));
    }
    const auto& s = w.summary;
    text += QStringLiteral("\n%1 draws tested, %2 skipped (too little history)\n").arg(s.draws).arg(s.skipped);
    text += QStringLiteral("with the rules: %1 listed, hit rate %2 (95 %: %3 to %4), baseline %5, lift %6\n")
                .arg(s.listed)
                .arg(rate(s.hitRate), rate(s.hitRateLow), rate(s.hitRateHigh), rate(s.baseline), rate(s.lift));
    text += QStringLiteral("longest miss run %1, current miss run %2\n").arg(s.longestMissRun).arg(s.currentMissRun);
    const auto& a = w.withoutRules;
    text += QStringLiteral("the scheme alone: %1 listed, hit rate %2, baseline %3, lift %4\n")
                .arg(a.listed)
                .arg(rate(a.hitRate), rate(a.baseline), rate(a.lift));
    if (s.hitRateLow && s.baseline && *s.hitRateLow <= *s.baseline && *s.baseline <= *s.hitRateHigh)
        text += QStringLiteral("The interval covers the baseline: the rules show no skill over these draws.\n");
    return text;
}

} // namespace

JsonObjectWriter summaryJson(const trends::WalkForwardSummary& s)
{
    JsonObjectWriter j;
    j.field("draws", s.draws).field("skipped", s.skipped).field("listed", s.listed);
    j.fieldOrNull("hit_rate", s.hitRate).fieldOrNull("mean_survivors", s.meanSurvivors);
    j.fieldOrNull("baseline", s.baseline).fieldOrNull("lift", s.lift);
    j.fieldOrNull("hit_rate_low", s.hitRateLow).fieldOrNull("hit_rate_high", s.hitRateHigh);
    j.field("longest_miss_run", s.longestMissRun).field("current_miss_run", s.currentMissRun);
    return j;
}

JsonObjectWriter withoutRulesJson(const trends::WithoutRules& w)
{
    JsonObjectWriter alone;
    alone.field("listed", w.listed).fieldOrNull("hit_rate", w.hitRate);
    alone.fieldOrNull("baseline", w.baseline).fieldOrNull("lift", w.lift);
    return alone;
}

void printRuleBacktest(const ConditionInputs& scheme, const std::vector<Draw>& draws,
                       const std::vector<trends::Rule>& rules, int window, int last, bool asJson)
{
    const auto result = walkForward(scheme, draws, rules, window, last);
    if (asJson)
        printOutBytes(json(result));
    else
        printOut(readable(result));
}

} // namespace shrink4::cli
