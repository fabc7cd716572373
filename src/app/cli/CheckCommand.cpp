#include "cli/CliSupport.h"
#include "cli/Command.h"

#include "engine/FilterRun.h"
#include "engine/PrizeCheck.h"
#include "tools/GroupConversion.h"
#include "scheme/TypedText.h"

#include <utility>

namespace shrink4::cli {

int checkCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Perform a filter run, then the prize check of TEXT as if it were typed into the prize box. Prints the caption the label would show."));
    const QCommandLineOption group(
        QStringLiteral("group"),
        QStringLiteral(
            "Convert the run's result to group numbers first, as the convert button does; TEXT is then compared by its group form."));
    parser.addOption(group);
    auto start = startSchemeCommand(parser, arguments,
                                    {{QStringLiteral("TEXT"), QStringLiteral("The text typed into the prize box.")}});
    if (!start.inputs)
        return start.exitStatus;
    const auto run = filterRun(*start.inputs);
    const bool groupForms = parser.isSet(group);
    const auto list = groupForms ? ConvertToGroups(run) : run.list;
    const auto verdict = checkPrize(list.prizeCheckText, list.lines,
                                    typedText(parser.positionalArguments().at(1)).toStdString(), groupForms);
    printOut(QString::fromUtf8(verdict.caption.data(), qsizetype(verdict.caption.size())) + QLatin1Char('\n'));
    return kOk;
}

} // namespace shrink4::cli
