#include "cli/DrawsInput.h"

#include "scheme/ArgumentBytes.h"
#include "cli/CliSupport.h"
#include "scheme/DrawsText.h"

#include <string>
#include <string_view>

namespace shrink4::cli {

namespace {

const QString kDigits = QStringLiteral("digits");
const QString kTake = QStringLiteral("take");
const QString kColumns = QStringLiteral("columns");

// Applies one option's value to the layout; false (the error printed) when it is bad.
template <class Parse>
bool layoutOption(const QCommandLineParser& parser, const QString& name, const QString& command, Parse&& parse)
{
    if (!parser.isSet(name))
        return true;
    std::string error;
    if (parse(parser.value(name).toStdString(), &error))
        return true;
    printErr(QStringLiteral("%1: --%2 %3: %4\n")
                 .arg(command, name, quoted(parser.value(name)), QString::fromStdString(error)));
    return false;
}

} // namespace

void addLayoutOptions(QCommandLineParser& parser)
{
    parser.addOption({kDigits, QStringLiteral("Draws of D digits, 4 to 7 (default 4)."), QStringLiteral("D")});
    parser.addOption({kTake,
                      QStringLiteral("The four positions of a draw's D digits that count, as FROM-TO counted from 1: "
                                     "1-4 the first four, 2-5 the last four of five (default: the last four)."),
                      QStringLiteral("FROM-TO")});
    parser.addOption({kColumns,
                      QStringLiteral("Read each line by columns (split at tabs, commas, semicolons, | or spaces): "
                                     "i the issue, n part of the number, - skipped, as i,-,n or i,-,n,n,n,n,n."),
                      QStringLiteral("ROLES")});
}

std::optional<DrawsLayout> layoutOptions(const QCommandLineParser& parser, const QString& command)
{
    DrawsLayout layout;
    const bool read = layoutOption(parser, kDigits, command,
                                   [&](const std::string& text, std::string* error) {
                                       const auto digits = parseDrawDigits(text, error);
                                       layout.digits = digits.value_or(layout.digits);
                                       return digits.has_value();
                                   })
                      && layoutOption(parser, kTake, command,
                                      [&](const std::string& text, std::string* error) {
                                          const auto take = parseTake(text, layout.digits, error);
                                          layout.take = take.value_or(layout.take);
                                          return take.has_value();
                                      })
                      && layoutOption(parser, kColumns, command, [&](const std::string& text, std::string* error) {
                             auto roles = parseColumnRoles(text, error);
                             layout.columns = roles.value_or(layout.columns);
                             return roles.has_value();
                         });
    if (!read)
        return std::nullopt;
    return layout;
}

std::optional<std::vector<Draw>> loadDraws(const QString& command, const QString& path,
                                           const QCommandLineParser& parser)
{
    const auto layout = layoutOptions(parser, command);
    if (!layout)
        return std::nullopt;
    QString error;
    const auto bytes = readInput(path, &error, kMaxDrawsBytes);
    if (!bytes) {
        printErr(QStringLiteral("%1: %2\n").arg(command, error));
        return std::nullopt;
    }
    const QString source = path == QLatin1String("-") ? QStringLiteral("standard input") : quoted(path);
    const DrawsFileText decoded = decodeDrawsFile(*bytes, source);
    if (!decoded.text) {
        printErr(QStringLiteral("%1: %2\n").arg(command, decoded.error));
        return std::nullopt;
    }
    const QByteArray text = decoded.text->toUtf8();
    auto reading = readDraws(std::string_view(text.constData(), std::size_t(text.size())), *layout);
    if (!reading.error.empty()) {
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
