#include "TextLines.h"

#include "ui/widgets/textbox/IndexSplice.h"

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

void TextLines::appendStarts(const QString& text, int offset, std::vector<int>& starts) const
{
    if (m_breaks == Breaks::None)
        return;
    const char16_t* data = reinterpret_cast<const char16_t*>(text.constData());
    const int n = int(text.size());
    for (int i = 0; i < n; ++i)
        if (data[i] == u'\n')
            starts.push_back(offset + i + 1);
}

void TextLines::setText(const QString& normalizedText)
{
    m_text = normalizedText;
    m_starts.assign(1, 0);
    appendStarts(m_text, 0, m_starts);
}

TextLines::Change TextLines::replace(int from, int count, const QString& normalizedText)
{
    const int firstLine = lineOf(from);
    const int lastLine = lineOf(from + count);
    if (count == size())
        m_text = normalizedText; // shared, where replacing would copy the old text first
    else
        m_text.replace(from, count, normalizedText);
    // The starts of the replaced lines give way to those the inserted text brings.
    std::vector<int> inserted;
    appendStarts(normalizedText, from, inserted);
    spliceIndex(m_starts, std::size_t(firstLine) + 1, std::size_t(lastLine) + 1, inserted,
                int(normalizedText.size()) - count);
    return {firstLine, lastLine - firstLine + 1, int(inserted.size()) + 1};
}

} // namespace shrink4
