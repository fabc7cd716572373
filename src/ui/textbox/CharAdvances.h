#pragma once
// How far each character moves the pen in a font, looked up in a table filled as
// characters are met, so laying out megabytes of text costs one lookup per character.

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include <vector>

namespace shrink4 {

class CharAdvances {
public:
    explicit CharAdvances(const QFont& font);

    void setFont(const QFont& font);
    const QFontMetricsF& metrics() const { return m_metrics; }

    // The advance of text[i]. A surrogate pair's width belongs to its first half; control
    // characters and tabs are drawn as spaces (a tab as four).
    qreal advance(const QString& text, int i) const
    {
        const char16_t c = text[i].unicode();
        const float cached = m_table[c];
        return cached >= 0 ? cached : measure(text, i);
    }

    qreal width(const QString& text, int from, int to) const;

private:
    qreal measure(const QString& text, int i) const;

    QFontMetricsF m_metrics;
    mutable std::vector<float> m_table;
};

// The character shown for text[i]: control characters become spaces.
inline QChar shownChar(QChar c)
{
    return c.unicode() < 0x20 ? QChar(u' ') : c;
}

} // namespace shrink4
