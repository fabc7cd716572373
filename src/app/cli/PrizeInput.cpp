#include "cli/PrizeInput.h"

#include "cli/CliSupport.h"
#include "scheme/ArgumentBytes.h"
#include "scheme/PrizeTableFile.h"

namespace shrink4::cli {

QCommandLineOption prizesOption()
{
    return {QStringLiteral("prizes"),
            QStringLiteral("A prize table (JSON: \"shrink4-prizes\": 1, price, tiers of exact, positions or box)."),
            QStringLiteral("TABLE")};
}

std::optional<PrizeTable> loadPrizeTable(const QString& command, const QString& path)
{
    QString error;
    const auto bytes = readInput(path, &error, kMaxPrizeTableBytes);
    if (!bytes) {
        printErr(QStringLiteral("%1: %2\n").arg(command, error));
        return std::nullopt;
    }
    PrizeTableReading reading = parsePrizeTable(*bytes);
    if (!reading.table) {
        printErr(QStringLiteral("%1: %2: %3\n").arg(command, quoted(path), reading.error));
        return std::nullopt;
    }
    return std::move(reading.table);
}

} // namespace shrink4::cli
