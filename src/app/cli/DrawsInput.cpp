#include "cli/DrawsInput.h"

#include "cli/ArgumentBytes.h"
#include "cli/CliSupport.h"
#include "scheme/DrawsText.h"

#include <string>
#include <string_view>

namespace shrink4::cli {

namespace {

// The answer for every draw is built whole before it is printed: for --json some 600 bytes
// a draw, over a hundred times its line in the file. A larger file is refused rather than
// read until memory runs out; the longest real history is a few hundred kilobytes.
constexpr qint64 kMaxDrawsBytes = qint64(8) * 1024 * 1024;

} // namespace

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
        printErr(QStringLiteral("%1: %2: %3\n").arg(command, source, QString::fromStdString(reading.error)));
        return std::nullopt;
    }
    return std::move(reading.draws);
}

std::optional<int> lastCount(const QCommandLineParser& parser, const QCommandLineOption& last, const QString& command)
{
    if (!parser.isSet(last))
        return 0;
    bool numeric = false;
    const int count = parser.value(last).toInt(&numeric);
    if (!numeric || count < 1) {
        printErr(QStringLiteral("%1: --last needs a whole number of draws, 1 or more\n").arg(command));
        return std::nullopt;
    }
    return count;
}

void keepLatest(std::vector<Draw>& draws, int last)
{
    if (last > 0 && std::size_t(last) < draws.size())
        draws.erase(draws.begin(), draws.end() - last);
}

std::optional<std::vector<trends::Rule>> ruleOptions(const QCommandLineParser& parser, const QCommandLineOption& rule,
                                                     const QString& command)
{
    std::vector<trends::Rule> rules;
    const QStringList texts = parser.values(rule);
    for (const QString& text : texts) {
        std::string error;
        const auto parsed = trends::parseRule(text.toStdString(), &error);
        if (!parsed) {
            printErr(QStringLiteral("%1: --rule %2: %3\n").arg(command, quoted(text), QString::fromStdString(error)));
            return std::nullopt;
        }
        rules.push_back(*parsed);
    }
    return rules;
}

QCommandLineOption lastOption()
{
    return {QStringLiteral("last"), QStringLiteral("Only the latest N draws."), QStringLiteral("N")};
}

QCommandLineOption ruleOption()
{
    return {QStringLiteral("rule"),
            QStringLiteral("FAMILY:cold:K or FAMILY:hot:K, the K coldest or hottest values of a family (position: K "
                           "at each of the four positions; position1 to position4: the thousands, hundreds, tens or "
                           "units alone; digit, sum_tail, span, sum, ac, big_small, odd_even, prime_composite, road), "
                           "measured against each value's share of 0000-9999: cold, the most shows missed in its "
                           "current omission (current x share); hot, the most hits above expected; may be given "
                           "more than once."),
            QStringLiteral("RULE")};
}

} // namespace shrink4::cli
