#include "cli/CliSupport.h"
#include "cli/Command.h"
#include "cli/JsonOut.h"
#include "cli/OutputFile.h"

#include "engine/FilterRun.h"
#include "engine/Notes.h"

#include <utility>

namespace shrink4::cli {

namespace {

std::vector<JsonObjectWriter> notesJson(const std::vector<Note>& notes)
{
    std::vector<JsonObjectWriter> objects;
    for (const Note& note : notes) {
        JsonObjectWriter o;
        o.field("key", controlMeta(note.control).key).field("text", note.text);
        objects.push_back(std::move(o));
    }
    return objects;
}

} // namespace

int runCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Perform one filter run with the scheme's conditions, exactly as the start button does."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("Print one JSON object instead of one number per line."));
    parser.addOption(json);
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Write the output to FILE instead of standard output: a file is "
                                                   "replaced whole or, on failure (exit status 1), left as it was; a "
                                                   "device or named pipe is written in place; - is standard output."),
                                    QStringLiteral("FILE"));
    parser.addOption(output);
    auto start = startSchemeCommand(parser, arguments);
    if (!start.inputs)
        return start.exitStatus;

    if (parser.isSet(output) && parser.value(output).isEmpty()) {
        printErr(QStringLiteral("%1: --output needs a file name\n").arg(arguments.value(0)));
        return kBadInput;
    }
    // "-" is standard output, as it is standard input for the scheme.
    const QString outputPath = parser.value(output) == QLatin1String("-") ? QString() : parser.value(output);

    const auto result = filterRun(*start.inputs);
    if (!parser.isSet(json))
        return writeResult(numbersText(result.list.numbers), outputPath);
    const auto texts = numberTexts(result.list.numbers);
    const auto notes = conditionNotes(*start.inputs);
    JsonObjectWriter rewritten;
    for (const auto& [control, text] : result.rewritten)
        rewritten.field(controlMeta(control).key, text);
    const std::vector<std::string_view> numbers(texts.begin(), texts.end());
    JsonObjectWriter out;
    out.field("count", result.list.count)
        .field("condition_count", result.conditionCount)
        .field("numbers", numbers)
        .field("result_text", result.list.resultText)
        .field("prize_check_text", result.list.prizeCheckText)
        .field("rewritten", rewritten);
    if (!notes.empty())
        out.field("notes", notesJson(notes));
    return writeResult(out.finish() + '\n', outputPath);
}

} // namespace shrink4::cli
