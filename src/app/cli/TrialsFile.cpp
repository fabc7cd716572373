#include "cli/TrialsFile.h"

#include "trends/TrendRules.h"

#include <QRegularExpression>
#include <QStringList>

namespace shrink4::cli {

namespace {

std::optional<int> wholeNumber(const QString& text)
{
    bool numeric = false;
    const int value = text.toInt(&numeric);
    return numeric && value >= 1 ? std::optional(value) : std::nullopt;
}

// One option and its value into the trial; the fault in words otherwise.
QString takeOption(const QString& name, const QString& value, trends::Trial& trial, bool& windowGiven)
{
    if (name == QLatin1String("--rule")) {
        std::string error;
        const auto rule = trends::parseRule(value.toStdString(), &error);
        if (!rule)
            return QStringLiteral("--rule %1: %2").arg(value, QString::fromStdString(error));
        trial.rules.push_back(*rule);
        return {};
    }
    const auto number = wholeNumber(value);
    if (name != QLatin1String("--window") && name != QLatin1String("--last"))
        return QStringLiteral("%1 is not a trial's option (--rule, --window, --last)").arg(name);
    if (!number)
        return QStringLiteral("%1 needs a whole number of draws, 1 or more").arg(name);
    (name == QLatin1String("--window") ? trial.window : trial.last) = *number;
    windowGiven = windowGiven || name == QLatin1String("--window");
    return {};
}

QString parseLine(const QStringList& words, trends::Trial& trial)
{
    bool windowGiven = false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        QString name = words[i], value;
        if (const auto eq = name.indexOf(QLatin1Char('=')); eq > 0) {
            value = name.mid(eq + 1);
            name.truncate(eq);
        } else if (i + 1 < words.size() && name.startsWith(QLatin1String("--"))) {
            value = words[++i];
        } else {
            return name.startsWith(QLatin1String("--")) ? QStringLiteral("%1 needs a value").arg(name)
                                                        : QStringLiteral("%1 is not an option").arg(name);
        }
        if (const QString fault = takeOption(name, value, trial, windowGiven); !fault.isEmpty())
            return fault;
    }
    if (trial.rules.empty())
        return QStringLiteral("no --rule");
    return windowGiven ? QString() : QStringLiteral("no --window W");
}

} // namespace

TrialsFileReading parseTrialsFile(const QByteArray& bytes)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    TrialsFileReading reading;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        trends::Trial trial;
        if (const QString fault = parseLine(line.split(space), trial); !fault.isEmpty())
            return {{}, QStringLiteral("line %1: %2").arg(n + 1).arg(fault)};
        reading.trials.push_back(std::move(trial));
    }
    if (reading.trials.empty())
        reading.error = QStringLiteral("no trial in it");
    return reading;
}

} // namespace shrink4::cli
