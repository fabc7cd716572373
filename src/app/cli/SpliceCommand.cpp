#include "scheme/ArgumentBytes.h"
#include "cli/CliSupport.h"
#include "cli/Command.h"
#include "cli/JsonOut.h"

#include "tools/SpliceFilter.h"
#include "tools/SplicePages.h"

#include <array>
#include <string_view>
#include <vector>

namespace shrink4::cli {

namespace {

QString pageCodes()
{
    QStringList codes;
    for (const auto& page : splicePages())
        codes << QString::fromLatin1(page.code.data(), qsizetype(page.code.size()));
    return codes.join(QStringLiteral(", "));
}

// Reads every --box K=FILE into texts[K]; prints the error and returns false on bad input.
bool readBoxes(const QString& command, const QStringList& boxArguments, const SplicePage& page,
               std::array<QByteArray, kSpliceMaxBoxes>& texts)
{
    std::array<bool, kSpliceMaxBoxes> given{};
    bool stdinUsed = false;
    for (const QString& argument : boxArguments) {
        const auto equals = argument.indexOf(QLatin1Char('='));
        bool isNumber = false;
        const int k = equals > 0 ? argument.left(equals).toInt(&isNumber) : -1;
        if (!isNumber || k < 0 || k >= page.boxCount) {
            printErr(QStringLiteral("%1: --box %2: expected K=FILE with K from 0 to %3\n")
                         .arg(command, quoted(argument), QString::number(page.boxCount - 1)));
            return false;
        }
        if (given[std::size_t(k)]) {
            printErr(QStringLiteral("%1: --box %2 is given more than once\n").arg(command).arg(k));
            return false;
        }
        const QString path = argument.mid(equals + 1);
        if (path == QLatin1String("-")) {
            if (stdinUsed) {
                printErr(QStringLiteral("%1: standard input (-) can be given for only one box\n").arg(command));
                return false;
            }
            stdinUsed = true;
        }
        QString error;
        auto bytes = readInput(path, &error);
        if (!bytes) {
            printErr(QStringLiteral("%1: --box %2: %3\n").arg(command).arg(k).arg(error));
            return false;
        }
        given[std::size_t(k)] = true;
        texts[std::size_t(k)] = std::move(*bytes);
    }
    return true;
}

} // namespace

int spliceCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("The splice tool: every four- or five-digit number whose digits at each box's positions "
                       "occur in that box's text (keep), or that no box matches (--delete). Prints the result "
                       "numbers ascending, separated by single spaces, on one line."));
    const QCommandLineOption pageOption(QStringLiteral("page"), QStringLiteral("Page code: %1.").arg(pageCodes()),
                                        QStringLiteral("CODE"));
    const QCommandLineOption deleteOption(QStringLiteral("delete"),
                                          QStringLiteral("Delete mode: drop the numbers a filled box matches."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("Print {\"count\": N, \"numbers\": [...]} instead."));
    const QCommandLineOption boxOption(
        QStringLiteral("box"),
        QStringLiteral(
            "Text of position box K (0-based, in the page's box order) from FILE, or - for standard input (once). Boxes not given are empty."),
        QStringLiteral("K=FILE"));
    parser.addOptions({pageOption, deleteOption, json, boxOption});
    if (auto exit = parseArguments(parser, arguments, 0, {QStringLiteral("box")}))
        return *exit;
    const QString command = arguments.value(0);
    if (!parser.isSet(pageOption)) {
        printErr(QStringLiteral("%1: --page is required (%2)\n").arg(command, pageCodes()));
        return kBadInput;
    }
    const QByteArray code = parser.value(pageOption).toUtf8();
    const SplicePage* page = findSplicePage(std::string_view(code.constData(), std::size_t(code.size())));
    if (page == nullptr) {
        printErr(QStringLiteral("%1: unknown --page %2; use %3\n")
                     .arg(command, quoted(parser.value(pageOption)), pageCodes()));
        return kBadInput;
    }
    std::array<QByteArray, kSpliceMaxBoxes> texts;
    if (!readBoxes(command, parser.values(boxOption), *page, texts))
        return kBadInput;

    std::vector<std::string_view> boxes;
    for (int k = 0; k < page->boxCount; ++k) {
        const auto& text = texts[std::size_t(k)];
        boxes.emplace_back(text.constData(), std::size_t(text.size()));
    }
    const auto mode = parser.isSet(deleteOption) ? SpliceMode::Delete : SpliceMode::Keep;
    const auto result = runSplice(*page, boxes, mode);
    if (!result) {
        printErr(QStringLiteral("%1: every box is empty; nothing was filtered\n").arg(command));
        return kBadInput;
    }
    if (!parser.isSet(json)) {
        printOutBytes(QByteArray(result->text.data(), qsizetype(result->text.size())) + '\n');
        return kOk;
    }
    const std::size_t width = std::size_t(page->targetWidth);
    std::vector<std::string_view> numbers;
    numbers.reserve(std::size_t(result->count));
    for (std::size_t at = 0; at < result->text.size(); at += width + 1)
        numbers.emplace_back(result->text.data() + at, width);
    JsonObjectWriter out;
    out.field("count", result->count).field("numbers", numbers);
    printOutBytes(out.finish() + '\n');
    return kOk;
}

} // namespace shrink4::cli
