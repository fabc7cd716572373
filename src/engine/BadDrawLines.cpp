#include "engine/BadDrawLines.h"

#include "engine/DrawLine.h"

#include <unordered_map>

namespace shrink4 {

namespace {

struct FirstDraw {
    int number = 0;
    int line = 0;
};

// Why the line is bad (None when it is not): a line fault, or a label
// drawn before with another number.
DrawsFault judge(DrawLine& read, int line, std::unordered_map<std::string, FirstDraw>& labels, int& firstLine)
{
    switch (read.verdict) {
    case LineVerdict::NoNumber:
        return DrawsFault::NoNumber;
    case LineVerdict::DigitsAfterLabel:
        return DrawsFault::DigitsAfterLabel;
    case LineVerdict::ColumnDigits:
        return DrawsFault::ColumnDigits;
    case LineVerdict::NoLabel:
        return DrawsFault::NoLabel;
    default:
        break;
    }
    if (read.verdict != LineVerdict::Drawn || !read.label)
        return DrawsFault::None;
    const auto [first, isNew] = labels.try_emplace(*read.label, FirstDraw{read.number, line});
    if (isNew || first->second.number == read.number)
        return DrawsFault::None;
    firstLine = first->second.line;
    return DrawsFault::LabelRedrawn;
}

} // namespace

BadDrawLines findBadDrawLines(std::string_view text, std::size_t kept, const DrawsLayout& layout)
{
    const std::size_t mark = text.starts_with("\xEF\xBB\xBF") ? 3 : 0; // as readDraws skips it
    std::unordered_map<std::string, FirstDraw> labels;
    BadDrawLines bad;
    std::string_view line;
    int lineNumber = 0;
    for (std::size_t at = mark; nextTextLine(text, at, line);) {
        ++lineNumber;
        DrawLine read = readDrawLine(line, layout);
        int firstLine = 0;
        const DrawsFault fault = judge(read, lineNumber, labels, firstLine);
        if (fault == DrawsFault::None || bad.count++ >= kept)
            continue;
        const std::size_t begin = std::size_t(line.data() - text.data());
        bad.first.push_back({fault, lineNumber, firstLine, read.label.value_or(std::string()), begin,
                             begin + line.size(), read.found, findOnBadLine(line, read.verdict, layout)});
    }
    return bad;
}

} // namespace shrink4
