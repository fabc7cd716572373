#include "cli/TrendOutput.h"

#include <QStringList>

namespace shrink4::cli {

namespace {

using namespace trends;

QString qText(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::string_view valueText(int track, int value)
{
    return familyInfo(tracks()[std::size_t(track)].family).values[std::size_t(value)];
}

JsonObjectWriter trackJson(const WindowFigures& figures, int track)
{
    std::vector<JsonObjectWriter> values;
    for (int v = 0; v < valueCount(track); ++v) {
        const auto f = figures.at(track, v);
        JsonObjectWriter j;
        j.field("value", valueText(track, v)).field("hits", f.hits).field("expected", f.expected);
        j.field("current", f.current).field("max", f.max).field("average", f.average);
        values.push_back(std::move(j));
    }
    const auto& t = tracks()[std::size_t(track)];
    JsonObjectWriter j;
    j.field("family", familyInfo(t.family).name);
    if (t.family == Family::position)
        j.field("position", t.position);
    j.field("values", values);
    return j;
}

QString trackTitle(int track)
{
    const auto& t = tracks()[std::size_t(track)];
    const QString name = qText(familyInfo(t.family).name);
    return t.family == Family::position ? QStringLiteral("%1 %2").arg(name).arg(t.position) : name;
}

} // namespace

std::vector<JsonObjectWriter> familiesJson(const WindowFigures& figures)
{
    std::vector<JsonObjectWriter> families;
    for (int track = 0; track < kTrackCount; ++track)
        families.push_back(trackJson(figures, track));
    return families;
}

std::vector<JsonObjectWriter> pickedJson(const std::vector<RulePick>& picked)
{
    std::vector<JsonObjectWriter> rules;
    for (const auto& rule : picked) {
        std::vector<JsonObjectWriter> values;
        for (const auto& pick : rule.tracks)
            for (const int v : pick.values) {
                JsonObjectWriter j;
                if (rule.rule.family == Family::position)
                    j.field("position", tracks()[std::size_t(pick.track)].position);
                j.field("value", valueText(pick.track, v));
                values.push_back(std::move(j));
            }
        JsonObjectWriter j;
        j.field("rule", ruleText(rule.rule)).field("values", values);
        rules.push_back(std::move(j));
    }
    return rules;
}

QString familiesTable(const WindowFigures& figures)
{
    QString text;
    for (int track = 0; track < kTrackCount; ++track) {
        text += QStringLiteral("%1\n%2 %3 %4 %5 %6 %7\n")
                    .arg(trackTitle(track))
                    .arg(QStringLiteral("value"), -8)
                    .arg(QStringLiteral("hits"), 6)
                    .arg(QStringLiteral("expected"), 9)
                    .arg(QStringLiteral("current"), 8)
                    .arg(QStringLiteral("max"), 6)
                    .arg(QStringLiteral("average"), 8);
        for (int v = 0; v < valueCount(track); ++v) {
            const auto f = figures.at(track, v);
            text += QStringLiteral("%1 %2 %3 %4 %5 %6\n")
                        .arg(qText(valueText(track, v)), -8)
                        .arg(f.hits, 6)
                        .arg(f.expected, 9, 'f', 2)
                        .arg(f.current, 8)
                        .arg(f.max, 6)
                        .arg(f.average, 8, 'f', 2);
        }
        text += QLatin1Char('\n');
    }
    return text;
}

QString pickedLines(const std::vector<RulePick>& picked, const QString& indent)
{
    QString text;
    for (const auto& rule : picked) {
        QStringList values;
        for (const auto& pick : rule.tracks)
            for (const int v : pick.values) {
                const auto& t = tracks()[std::size_t(pick.track)];
                const QString value = qText(valueText(pick.track, v));
                values << (t.family == Family::position ? QStringLiteral("%1:%2").arg(t.position).arg(value) : value);
            }
        text += QStringLiteral("%1%2  %3\n").arg(indent, qText(ruleText(rule.rule)), values.join(QLatin1Char(' ')));
    }
    return text;
}

} // namespace shrink4::cli
