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

DrawsReading lineFault(const DrawLine& read, int line)
{
    if (read.verdict == LineVerdict::NoNumber)
        return fault(DrawsFault::NoNumber,
                     lineError(line, "no draw: the last digits are neither a group of four nor four single digits"),
                     line);
    auto r = fault(DrawsFault::DigitsAfterLabel,
                   lineError(line, "digits between issue " + *read.label
                                       + " and the number at the end (two draws on one line, or a number "
                                         "of more than four digits)"),
                   line);
    r.label = *read.label;
    return r;
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

DrawsReading readDraws(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF")) // a UTF-8 mark from some editors
        text.remove_prefix(3);
    DrawsReading reading;
    reading.draws.reserve(linesRead(text));
    std::string_view line;
    int lineNumber = 0;
    for (std::size_t at = 0; nextTextLine(text, at, line);) {
        ++lineNumber;
        DrawLine read = readDrawLine(line);
        if (read.verdict == LineVerdict::Skipped)
            continue;
        if (read.verdict != LineVerdict::Drawn)
            return lineFault(read, lineNumber);
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
