#include "cli/ArgumentBytes.h"
#include "cli/CliSupport.h"
#include "cli/Command.h"
#include "cli/JsonOut.h"

#include "core/TextScan.h"
#include "engine/Backtest.h"
#include "scheme/DrawsText.h"

#include <optional>
#include <string_view>
#include <utility>

namespace shrink4::cli {

namespace {

QString qText(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The answer for every draw is built whole before it is printed: for --json some 600 bytes
// a draw, over a hundred times its line in the file. A larger file is refused rather than
// read until memory runs out; the longest real history is a few hundred kilobytes.
constexpr qint64 kMaxDrawsBytes = qint64(8) * 1024 * 1024;

// Reads DRAWS, printing the error on failure.
std::optional<std::vector<Draw>> loadDraws(const QString& command, const QString& path)
{
    QString error;
    const auto bytes = readInput(path, &error, kMaxDrawsBytes);
    if (!bytes) {
        printErr(QStringLiteral("%1: %2\n").arg(command, error));
        return std::nullopt;
    }
    const QByteArray text = decodeDrawsText(*bytes).toUtf8();
    auto reading = readDraws(std::string_view(text.constData(), std::size_t(text.size())));
    if (!reading.error.empty()) {
        const QString source = path == QLatin1String("-") ? QStringLiteral("standard input") : quoted(path);
        printErr(QStringLiteral("%1: %2: %3\n").arg(command, source, qText(reading.error)));
        return std::nullopt;
    }
    return std::move(reading.draws);
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
    j.field("longest_miss_run", s.longestMissRun).field("current_miss_run", s.currentMissRun);
    return j;
}

QByteArray json(const Backtest& b)
{
    std::vector<JsonObjectWriter> draws, rows;
    for (const auto& o : b.outcomes)
        draws.push_back(outcomeJson(o));
    for (const auto& r : b.rows) {
        JsonObjectWriter j;
        j.field("key", r.key).field("killed_draws", r.killedDraws).field("rate", r.rate);
        rows.push_back(std::move(j));
    }
    JsonObjectWriter out;
    out.field("draws", draws).field("summary", summaryJson(b.summary)).field("conditions", rows);
    return out.finish() + '\n';
}

QString readable(const Backtest& b)
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
    text += QStringLiteral("\n%1 of %2 draws listed (%3), survivors %4 (%5), lift %6\n")
                .arg(s.listed)
                .arg(s.draws)
                .arg(s.hitRate, 0, 'f', 4)
                .arg(s.survivors)
                .arg(s.baseline, 0, 'f', 4)
                .arg(s.lift ? QString::number(*s.lift, 'f', 2) : QStringLiteral("-"));
    text += QStringLiteral("longest miss run %1, current miss run %2\n\n").arg(s.longestMissRun).arg(s.currentMissRun);
    for (const auto& r : b.rows)
        text += QStringLiteral("%1 %2  %3\n")
                    .arg(r.killedDraws, 6)
                    .arg(r.rate, 6, 'f', 4)
                    .arg(QString::fromStdString(r.key));
    return text;
}

} // namespace

int backtestCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Perform a filter run, then look up each past draw in it: was it listed, and which conditions failed it."));
    const QCommandLineOption jsonOption(QStringLiteral("json"),
                                        QStringLiteral("Print one JSON object instead of a table."));
    const QCommandLineOption last(QStringLiteral("last"), QStringLiteral("Only the latest N draws."),
                                  QStringLiteral("N"));
    parser.addOption(jsonOption);
    parser.addOption(last);
    auto start = startSchemeCommand(
        parser, arguments,
        {{QStringLiteral("DRAWS"), QStringLiteral("Past draws, one a line, or - for standard input.")}});
    if (!start.inputs)
        return start.exitStatus;
    const QString command = arguments.value(0);
    bool numeric = true;
    const int lastCount = parser.isSet(last) ? parser.value(last).toInt(&numeric) : 0;
    if (!numeric || (parser.isSet(last) && lastCount < 1)) {
        printErr(QStringLiteral("%1: --last needs a whole number of draws, 1 or more\n").arg(command));
        return kBadInput;
    }
    const QStringList paths = parser.positionalArguments();
    if (paths.at(0) == QLatin1String("-") && paths.at(1) == QLatin1String("-")) {
        printErr(QStringLiteral("%1: standard input (-) can be given for only one of SCHEME and DRAWS\n").arg(command));
        return kBadInput;
    }
    auto draws = loadDraws(command, paths.at(1));
    if (!draws)
        return kBadInput;
    if (lastCount > 0 && std::size_t(lastCount) < draws->size())
        draws->erase(draws->begin(), draws->end() - lastCount);
    const auto result = backtest(filterRun(*start.inputs), *draws);
    if (parser.isSet(jsonOption))
        printOutBytes(json(result));
    else
        printOut(readable(result));
    return kOk;
}

} // namespace shrink4::cli
