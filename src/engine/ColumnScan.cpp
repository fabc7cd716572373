#include "engine/ColumnScan.h"

#include <array>
#include <utility>

namespace shrink4 {

namespace {

bool isDelimiter(char c)
{
    return c == '\t' || c == ',' || c == ';' || c == '|';
}

// The code point of the UTF-8 sequence at `at` and its length; a stray byte reads as itself.
std::pair<char32_t, std::size_t> codePoint(std::string_view s, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(s[at]);
    const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (length == 1 || at + length > s.size())
        return {lead, 1};
    char32_t cp = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(s[at + k]) & 0x3F);
    return {cp, length};
}

constexpr std::array<std::pair<char32_t, char32_t>, 10> kLetterRanges{{
    {U'A', U'Z'},
    {U'a', U'z'},
    {0x00C0, 0x024F}, // Latin with marks
    {0x0370, 0x04FF}, // Greek, Cyrillic
    {0x3040, 0x30FF}, // kana
    {0x3400, 0x9FFF}, // CJK
    {0xAC00, 0xD7AF}, // Hangul
    {0xF900, 0xFAFF}, // CJK compatibility
    {0xFF21, 0xFF3A}, // full-width Latin
    {0xFF41, 0xFF5A},
}};

bool isLetter(char32_t cp)
{
    for (const auto& [low, high] : kLetterRanges)
        if (cp >= low && cp <= high)
            return cp != 0x00D7 && cp != 0x00F7; // × and ÷ sit among the Latin letters
    return false;
}

} // namespace

ColumnScan::ColumnScan(std::string_view line)
    : m_line(line)
{
    skipSpaces();
    m_done = m_at == m_line.size();
}

bool ColumnScan::next(LineColumn& column)
{
    if (m_done)
        return false;
    column = field();
    separator();
    return true;
}

void ColumnScan::skipSpaces()
{
    while (m_at < m_line.size() && m_line[m_at] == ' ')
        ++m_at;
}

LineColumn ColumnScan::field()
{
    if (m_at < m_line.size() && m_line[m_at] == '"') {
        const std::size_t begin = ++m_at;
        while (m_at < m_line.size() && !(m_line[m_at] == '"' && m_line.substr(m_at, 2) != "\"\""))
            m_at += m_line[m_at] == '"' ? 2 : 1;
        const LineColumn quoted{begin, m_at};
        // Whatever follows the closing quote up to the separator is no column of its own.
        while (m_at < m_line.size() && m_line[m_at] != ' ' && !isDelimiter(m_line[m_at]))
            ++m_at;
        return quoted;
    }
    const std::size_t begin = m_at;
    while (m_at < m_line.size() && m_line[m_at] != ' ' && !isDelimiter(m_line[m_at]))
        ++m_at;
    return {begin, m_at};
}

// After a field: spaces, at most one delimiter, spaces. A delimiter at the end of the line
// leaves one more, empty, column (a spreadsheet's empty last cell); spaces there none.
void ColumnScan::separator()
{
    skipSpaces();
    if (m_at == m_line.size()) {
        m_done = true;
        return;
    }
    if (isDelimiter(m_line[m_at])) {
        ++m_at;
        skipSpaces();
    }
}

bool holdsLetter(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const auto [cp, length] = codePoint(text, at);
        if (isLetter(cp))
            return true;
        at += length;
    }
    return false;
}

} // namespace shrink4
