#pragma once
// How far each character moves the pen in a font, looked up in a table filled as
// characters are met, so laying out megabytes of text costs one lookup per character.

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include <cmath>
#include <memory>
#include <vector>

namespace shrink4 {

class CharAdvances {
public:
    explicit CharAdvances(const QFont& font);
    ~CharAdvances();
    CharAdvances(const CharAdvances&) = delete;
    CharAdvances& operator=(const CharAdvances&) = delete;

    // The table of a font, one for all the boxes that show it: a table takes half a
    // megabyte, and a window has dozens of boxes. It lives while a box uses it.
    static std::shared_ptr<const CharAdvances> of(const QFont& font);
    // How many tables exist now, shared or not.
    static int count();

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
    // Whether text[from, to) is no wider than room64 (in 64ths of a pixel, see
    // toSixtyFourths): the quick test that lets most lines of a list skip wrapping.
    bool fits(const QString& text, int from, int to, qint64 room64) const
    {
        const auto* units = reinterpret_cast<const char16_t*>(text.constData());
        const qint32* table = m_ceiling64.data();
        qint64 x = 0;
        for (int i = from; i < to; ++i) {
            const qint32 cached = table[units[i]];
            x += cached >= 0 ? cached : toSixtyFourths(measure(text, i));
            if (x > room64)
                return false;
        }
        return true;
    }
    static qint64 toSixtyFourths(qreal pixels) { return qint64(std::ceil(pixels * 64)); }

private:
    qreal measure(const QString& text, int i) const;

    QFontMetricsF m_metrics;
    mutable std::vector<float> m_table;
    // The same advances in 64ths of a pixel, rounded up: integer sums run without the
    // wait on each float addition, and err only towards "does not fit".
    mutable std::vector<qint32> m_ceiling64;
};

// The character shown for text[i]: control characters become spaces.
inline QChar shownChar(QChar c)
{
    return c.unicode() < 0x20 ? QChar(u' ') : c;
}

} // namespace shrink4
