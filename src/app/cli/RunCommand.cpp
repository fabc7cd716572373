#include "cli/CliSupport.h"
#include "cli/Command.h"
#include "cli/JsonOut.h"

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
    parser.setApplicationDescription(QStringLiteral("Perform one filter run with the scheme's conditions, exactly as the start button does."));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print one JSON object instead of one number per line."));
    parser.addOption(json);
    auto start = startSchemeCommand(parser, arguments);
    if (!start.inputs)
        return start.exitStatus;

    const auto result = filterRun(*start.inputs);
    if (!parser.isSet(json)) {
        printNumbers(result.list.numbers);
        return kOk;
    }
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
    printOutBytes(out.finish() + '\n');
    return kOk;
}

} // namespace shrink4::cli
