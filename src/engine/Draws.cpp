#include "engine/Draws.h"

#include "engine/DrawLine.h"
#include "engine/DrawsOrder.h"

#include <algorithm>
#include <utility>

namespace shrink4 {

namespace {

// How many lines are read for a draw, so that the draws are allocated once.
std::size_t linesRead(std::string_view text)
{
    std::size_t count = 0;
    std::string_view line;
    for (std::size_t at = 0; nextTextLine(text, at, line);)
        count += givesDrawOrFault(line);
    return count;
}

std::string lineError(int line, std::string_view what)
{
    return "line " + std::to_string(line) + ": " + std::string(what);
}

DrawsReading fault(DrawsFault kind, std::string error, int line = 0)
{
    DrawsReading r;
    r.error = std::move(error);
    r.fault = kind;
    r.line = line;
    return r;
}

// The text found, quoted, when it is short enough to read in a message.
std::string quotedFinding(std::string_view line, const LineFinding& f)
{
    constexpr std::size_t kLongest = 40;
    if (f.end - f.begin > kLongest)
        return {};
    return " (\"" + std::string(line.substr(f.begin, f.end - f.begin)) + "\")";
}

std::string noNumberText(std::string_view line, const LineFinding& f, const DrawsLayout& layout)
{
    const std::string d = std::to_string(layout.digits);
    switch (f.kind) {
    case FindingKind::longNumber:
        return "no draw: the number at the end has " + std::to_string(f.digits)
               + " digits (a longer draw? give --digits " + std::to_string(f.digits)
               + ", and --take for the four that count)";
    case FindingKind::columnsAfter:
        return "no draw: other digits follow a group of " + d + quotedFinding(line, f)
               + " (another column after the number? give --columns)";
    default:
        return "no draw: the last digits are neither a group of " + d + " nor " + d + " single digits";
    }
}

std::string digitsAfterLabelText(std::string_view line, const LineFinding& f, const std::string& label)
{
    if (f.kind == FindingKind::longSingles)
        return std::to_string(f.digits) + " single digits after issue " + label + " (a longer draw? give --digits "
               + std::to_string(f.digits) + ", and --take for the four that count)";
    return "digits between issue " + label + " and the number at the end" + quotedFinding(line, f)
           + " (two draws on one line, or a number of more than four digits)";
}

DrawsReading lineFault(std::string_view text, const DrawLine& read, int line, const DrawsLayout& layout)
{
    switch (read.verdict) {
    case LineVerdict::ColumnDigits: {
        auto r = fault(DrawsFault::ColumnDigits,
                       lineError(line, "the number's columns hold " + std::to_string(read.found) + " digits, not "
                                           + std::to_string(layout.digits)),
                       line);
        r.found = read.found;
        return r;
    }
    case LineVerdict::NoLabel:
        return fault(DrawsFault::NoLabel, lineError(line, "the issue's column holds no digit"), line);
    case LineVerdict::NoNumber: {
        const LineFinding found = findOnBadLine(text, read.verdict, layout);
        auto r = fault(DrawsFault::NoNumber, lineError(line, noNumberText(text, found, layout)), line);
        r.finding = found;
        return r;
    }
    default: {
        const LineFinding found = findOnBadLine(text, read.verdict, layout);
        auto r =
            fault(DrawsFault::DigitsAfterLabel, lineError(line, digitsAfterLabelText(text, found, *read.label)), line);
        r.label = *read.label;
        r.finding = found;
        return r;
    }
    }
}

DrawsReading redrawnFault(const RedrawnLabel& redrawn)
{
    auto r = fault(DrawsFault::LabelRedrawn,
                   lineError(redrawn.line, "issue " + redrawn.label + " is already drawn on line "
                                               + std::to_string(redrawn.firstLine) + " with another number"),
                   redrawn.line);
    r.firstLine = redrawn.firstLine;
    r.label = redrawn.label;
    return r;
}

bool allLabelled(const std::vector<Draw>& draws)
{
    return std::all_of(draws.begin(), draws.end(), [](const Draw& d) { return d.label.has_value(); });
}

} // namespace

DrawsReading readDraws(std::string_view text, const DrawsLayout& layout)
{
    if (text.starts_with("\xEF\xBB\xBF")) // a UTF-8 mark from some editors
        text.remove_prefix(3);
    DrawsReading reading;
    reading.draws.reserve(linesRead(text));
    std::string_view line;
    int lineNumber = 0;
    for (std::size_t at = 0; nextTextLine(text, at, line);) {
        ++lineNumber;
        DrawLine read = readDrawLine(line, layout);
        if (read.verdict == LineVerdict::Skipped)
            continue;
        if (read.verdict != LineVerdict::Drawn)
            return lineFault(line, read, lineNumber, layout);
        reading.draws.push_back({std::move(read.label), read.number, lineNumber});
    }
    if (reading.draws.empty())
        return fault(DrawsFault::NoDraw, "no draw in the text");
    if (const auto redrawn = dropRepeats(reading.draws))
        return redrawnFault(*redrawn);
    if (allLabelled(reading.draws))
        sortByLabel(reading.draws);
    return reading;
}

} // namespace shrink4
