#include "cli/CliSupport.h"
#include "cli/Command.h"
#include "cli/JsonOut.h"

#include "engine/FilterRun.h"
#include "engine/Statistics.h"

#include <utility>

namespace shrink4::cli {

namespace {

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Columns a terminal gives the text: Chinese characters take two.
int displayWidth(const QString& text)
{
    int width = 0;
    for (const QChar c : text)
        width += c.unicode() >= 0x1100 ? 2 : 1;
    return width;
}

QString padded(const QString& text, int width)
{
    return text + QString(std::max(0, width - displayWidth(text)), QLatin1Char(' '));
}

QString readable(const RunStatistics& s)
{
    QString text = QStringLiteral("count %1, pool %2\n\n").arg(s.count).arg(s.pool);
    text += QStringLiteral("%1%2 %3 %4  %5\n")
                .arg(padded(QStringLiteral("condition"), 14))
                .arg(QStringLiteral("kills"), 6)
                .arg(QStringLiteral("in pool"), 7)
                .arg(QStringLiteral("only"), 6)
                .arg(QStringLiteral("key"));
    for (const auto& r : s.rows)
        text += QStringLiteral("%1%2 %3 %4  %5\n")
                    .arg(padded(fromView(r.caption), 14))
                    .arg(r.kills, 6)
                    .arg(r.killsInPool, 7)
                    .arg(r.only, 6)
                    .arg(QString::fromStdString(r.key));
    text += QStringLiteral("\nfailures  numbers\n");
    for (std::size_t k = 0; k < s.histogram.size(); ++k)
        text += QStringLiteral("%1  %2\n").arg(k, 8).arg(s.histogram[k], 7);
    return text;
}

std::vector<JsonObjectWriter> rowsJson(const std::vector<RowStatistics>& rows)
{
    std::vector<JsonObjectWriter> objects;
    for (const auto& r : rows) {
        JsonObjectWriter o;
        o.field("key", r.key)
            .field("caption", r.caption)
            .field("kills", r.kills)
            .field("kills_in_pool", r.killsInPool)
            .field("only", r.only);
        objects.push_back(std::move(o));
    }
    return objects;
}

} // namespace

int statsCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Perform a filter run and show what each condition removes, then how many numbers of the base pool fail how many conditions."));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print one JSON object instead of a table."));
    parser.addOption(json);
    auto start = startSchemeCommand(parser, arguments);
    if (!start.inputs)
        return start.exitStatus;
    const auto stats = runStatistics(filterRun(*start.inputs));
    if (!parser.isSet(json)) {
        printOut(readable(stats));
        return kOk;
    }
    JsonObjectWriter out;
    out.field("count", stats.count)
        .field("pool", stats.pool)
        .field("conditions", rowsJson(stats.rows))
        .field("histogram", stats.histogram);
    printOutBytes(out.finish() + '\n');
    return kOk;
}

} // namespace shrink4::cli
