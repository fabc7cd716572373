#pragma once
// The text of a text box with an index of where each line starts, so that a box holding
// millions of lines finds a line, or takes an edit, without walking the whole text.

#include <QString>

#include <vector>

namespace shrink4 {

class TextLines {
public:
    enum class Breaks {
        Lines, // a multi-line box: '\n' ends a line; CR LF, CR and U+2029 are stored as '\n'
        None,  // a single-line box: the text is one line, whatever it holds
    };

    // Which old lines an edit replaced by which new ones: old lines
    // [firstLine, firstLine + removedLines) became [firstLine, firstLine + insertedLines).
    struct Change {
        int firstLine = 0;
        int removedLines = 0;
        int insertedLines = 0;
    };

    explicit TextLines(Breaks breaks = Breaks::Lines);

    // The text as this box stores it: line breaks unified for a multi-line box.
    QString normalized(QString text) const;

    const QString& text() const { return m_text; }
    int size() const { return int(m_text.size()); }
    Breaks breaks() const { return m_breaks; }

    int lineCount() const { return int(m_starts.size()); }
    int lineStart(int line) const { return m_starts[std::size_t(line)]; }
    // The end of a line, its line break excluded.
    int lineEnd(int line) const { return line + 1 < lineCount() ? m_starts[std::size_t(line) + 1] - 1 : size(); }
    int lineOf(int position) const;

    void setText(const QString& normalizedText);
    // Replaces `count` characters at `from` with already normalized text.
    Change replace(int from, int count, const QString& normalizedText);

private:
    // Appends the start of each line that a line break in `text` begins, `text` standing
    // at `offset`.
    void appendStarts(const QString& text, int offset, std::vector<int>& starts) const;

    Breaks m_breaks;
    QString m_text;
    std::vector<int> m_starts{0};
};

} // namespace shrink4
