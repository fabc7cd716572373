#include "cli/CliSupport.h"
#include "cli/Command.h"
#include "cli/JsonOut.h"

#include "engine/FilterRun.h"
#include "tools/GroupConversion.h"

#include <utility>

namespace shrink4::cli {

int groupCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Perform a filter run with the scheme's conditions, then convert the listed numbers to group numbers (digits sorted ascending), as the convert button does."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("Print one JSON object instead of one group number per line."));
    parser.addOption(json);
    auto start = startSchemeCommand(parser, arguments);
    if (!start.inputs)
        return start.exitStatus;

    const auto groups = ConvertToGroups(filterRun(*start.inputs));
    if (!parser.isSet(json)) {
        printNumbers(groups.numbers);
        return kOk;
    }
    const auto texts = numberTexts(groups.numbers);
    const std::vector<std::string_view> forms(texts.begin(), texts.end());
    JsonObjectWriter out;
    out.field("count", groups.count).field("groups", forms).field("result_text", groups.resultText);
    printOutBytes(out.finish() + '\n');
    return kOk;
}

} // namespace shrink4::cli
