#include "TextLines.h"

#include <algorithm>

namespace shrink4 {

TextLines::TextLines(Breaks breaks)
    : m_breaks(breaks)
{
}

QString TextLines::normalized(QString text) const
{
    if (m_breaks == Breaks::None)
        return text;
    if (!text.contains(u'\r') && !text.contains(QChar::ParagraphSeparator))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            out += u'\n';
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            out += c == QChar::ParagraphSeparator ? QChar(u'\n') : c;
        }
    }
    return out;
}

int TextLines::lineOf(int position) const
{
    const auto it = std::upper_bound(m_starts.begin(), m_starts.end(), position);
    return int(it - m_starts.begin()) - 1;
}

void TextLines::appendStarts(const QString& text, int from, int to, int offset)
{
    if (m_breaks == Breaks::None)
        return;
    const char16_t* data = reinterpret_cast<const char16_t*>(text.constData());
    for (int i = from; i < to; ++i)
        if (data[i] == u'\n')
            m_starts.push_back(offset + i + 1);
}

void TextLines::setText(const QString& normalizedText)
{
    m_text = normalizedText;
    m_starts.assign(1, 0);
    appendStarts(m_text, 0, size(), 0);
}

TextLines::Change TextLines::replace(int from, int count, const QString& normalizedText)
{
    const int firstLine = lineOf(from);
    const int lastLine = lineOf(from + count);
    m_text.replace(from, count, normalizedText);

    // Starts up to firstLine stand; those of the replaced lines go; the inserted text
    // brings its own; the rest move by the change in length.
    std::vector<int> tail(m_starts.begin() + lastLine + 1, m_starts.end());
    m_starts.resize(std::size_t(firstLine) + 1);
    appendStarts(normalizedText, 0, int(normalizedText.size()), from);
    const int insertedLines = lineCount() - firstLine;
    const int delta = int(normalizedText.size()) - count;
    for (int& start : tail)
        start += delta;
    m_starts.insert(m_starts.end(), tail.begin(), tail.end());
    return {firstLine, lastLine - firstLine + 1, insertedLines};
}

} // namespace shrink4
