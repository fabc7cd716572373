#pragma once
// How far each character moves the pen in a font, looked up in a table filled as
// characters are met, so laying out megabytes of text costs one lookup per character.

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include <cmath>
#include <cstdlib>
#include <memory>

namespace shrink4 {

class CharAdvances {
public:
    explicit CharAdvances(const QFont& font);
    ~CharAdvances();
    CharAdvances(const CharAdvances&) = delete;
    CharAdvances& operator=(const CharAdvances&) = delete;

    // The table of a font, one for all the boxes that show it: a window has dozens of
    // boxes, and a table can grow to half a megabyte. It lives while a box uses it.
    static std::shared_ptr<const CharAdvances> of(const QFont& font);
    // How many tables exist now, shared or not.
    static int count();

    const QFontMetricsF& metrics() const { return m_metrics; }

    // The advance of text[i]. A surrogate pair's width belongs to its first half; control
    // characters and tabs are drawn as spaces (a tab as four).
    qreal advance(const QString& text, int i) const
    {
        const Entry& entry = m_table[text[i].unicode()];
        return entry.ceiling64 != 0 ? entry.advance : measure(text, i);
    }

    // The advance of text[i] in 64ths of a pixel, rounded up.
    qint64 advance64(const QString& text, int i) const
    {
        const qint32 cached = m_table[text[i].unicode()].ceiling64;
        return cached != 0 ? cached - 1 : toSixtyFourths(measure(text, i));
    }

    qreal width(const QString& text, int from, int to) const;
    // Whether text[from, to) is no wider than room64 (in 64ths of a pixel, see
    // toSixtyFourths): the quick test that lets most lines of a list skip wrapping.
    bool fits(const QString& text, int from, int to, qint64 room64) const
    {
        const auto* units = reinterpret_cast<const char16_t*>(text.constData());
        const Entry* table = m_table.get();
        qint64 x = 0;
        for (int i = from; i < to; ++i) {
            const qint32 cached = table[units[i]].ceiling64;
            x += cached != 0 ? cached - 1 : toSixtyFourths(measure(text, i));
            if (x > room64)
                return false;
        }
        return true;
    }
    static qint64 toSixtyFourths(qreal pixels) { return qint64(std::ceil(pixels * 64)); }

private:
    qreal measure(const QString& text, int i) const;

    struct Entry {
        float advance;
        // The same in 64ths of a pixel, rounded up, plus one; 0 until measured. Integer
        // sums run without the wait on each float addition, and err only towards "does
        // not fit".
        qint32 ceiling64;
    };
    struct Free {
        void operator()(void* p) const { std::free(p); }
    };

    QFontMetricsF m_metrics;
    // One entry per UTF-16 unit, from calloc: pages that no character has touched cost no
    // memory, so a font met only with ASCII and some Chinese holds a few of the table's
    // 128 pages.
    std::unique_ptr<Entry[], Free> m_table;
};

// The character shown for text[i]: control characters become spaces.
inline QChar shownChar(QChar c)
{
    return c.unicode() < 0x20 ? QChar(u' ') : c;
}

} // namespace shrink4
