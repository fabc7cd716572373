#include "scheme/ArgumentBytes.h"
#include "cli/CliSupport.h"
#include "cli/Command.h"
#include "cli/StandardStreams.h"

#include "Shrink4Version.h"

#include <QCoreApplication>

#include <new>

using namespace shrink4;
using namespace shrink4::cli;

namespace {

const Command kCommands[] = {
    {"run", "Perform a filter run with a scheme's conditions.", runCommand},
    {"check", "Filter run, then the prize check of a drawn number.", checkCommand},
    {"stats", "Filter run, then what each condition removes.", statsCommand},
    {"explain", "Filter run, then why a number is or is not listed.", explainCommand},
    {"backtest", "Filter run, then how past draws would have fared.", backtestCommand},
    {"trend", "Figures of past draws for every family of values.", trendCommand},
    {"apply", "Tick what rules pick from past draws, and write the scheme.", applyCommand},
    {"odds", "What a list of tickets costs and returns, by a prize table.", oddsCommand},
    {"group", "Filter run, then conversion to group numbers.", groupCommand},
    {"sets", "Intersection, union or difference of two number lists.", setsCommand},
    {"splice", "Splice digit groups into four- or five-digit numbers.", spliceCommand},
};

QString usage()
{
    QString text = QStringLiteral("Usage: shrink4-cli <command> [options]\n\nCommands:\n");
    for (const auto& c : kCommands)
        text += QStringLiteral("  %1  %2\n").arg(QLatin1String(c.name), -8).arg(QLatin1String(c.summary));
    text += QStringLiteral(
        "\nRun \"shrink4-cli <command> --help\" for the options of a command,\n"
        "\"shrink4-cli --version\" for the version.\n");
    return text;
}

// Output lost to a full disk must not pass for success.
int checkedOutput(int status)
{
    const auto lost = finishOutput();
    if (!lost)
        return status;
    printErr(QStringLiteral("shrink4-cli: standard output could not be written: %1\n").arg(*lost));
    return kOutputFailed;
}

} // namespace

int main(int argc, char* argv[])
{
    guardStandardStreams();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("shrink4-cli"));
    // From argv rather than QCoreApplication::arguments(), which loses bytes that are not UTF-8.
    const QStringList args = argumentsOf(argc, argv);
    if (args.size() < 2) {
        printErr(QStringLiteral("shrink4-cli: no command given; see shrink4-cli --help\n"));
        return kBadInput;
    }
    const QString& name = args.at(1);
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        printOut(usage());
        return checkedOutput(kOk);
    }
    if (name == QLatin1String("--version") || name == QLatin1String("-V")) {
        printOut(QStringLiteral("shrink4-cli %1\n").arg(QLatin1String(shrink4::kVersion)));
        return checkedOutput(kOk);
    }
    for (const auto& c : kCommands)
        if (name == QLatin1String(c.name)) {
            QStringList rest = args.mid(2);
            rest.prepend(QStringLiteral("shrink4-cli %1").arg(name));
            // An input near a command's limit can still ask for more memory than the system
            // gives: one line and the input's status, never an abort.
            try {
                return checkedOutput(c.run(rest));
            } catch (const std::bad_alloc&) {
                printErr(QStringLiteral("%1: out of memory; try a smaller input (fewer draws, --last N)\n")
                             .arg(rest.first()));
                return kBadInput;
            }
        }
    printErr(QStringLiteral("shrink4-cli: unknown command %1; see shrink4-cli --help\n").arg(quoted(name)));
    return kBadInput;
}
