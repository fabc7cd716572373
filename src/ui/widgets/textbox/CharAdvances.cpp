#include "CharAdvances.h"

#include <QHash>

#include <new>

namespace shrink4 {

namespace {

int tables = 0;

} // namespace

CharAdvances::CharAdvances(const QFont& font)
    : m_metrics(font),
      m_table(static_cast<Entry*>(std::calloc(0x10000, sizeof(Entry))))
{
    if (!m_table)
        throw std::bad_alloc();
    ++tables;
}

CharAdvances::~CharAdvances()
{
    --tables;
}

int CharAdvances::count()
{
    return tables;
}

std::shared_ptr<const CharAdvances> CharAdvances::of(const QFont& font)
{
    // Text boxes live on the GUI thread only, so the cache needs no lock.
    static QHash<QString, std::weak_ptr<const CharAdvances>> cache;
    const QString key = font.key();
    if (auto shared = cache.value(key).lock())
        return shared;
    // Forget the fonts no box uses any more before adding one.
    cache.removeIf([](const auto& entry) { return entry.value().expired(); });
    auto made = std::make_shared<const CharAdvances>(font);
    cache.insert(key, made);
    return made;
}

qreal CharAdvances::measure(const QString& text, int i) const
{
    const QChar c = text[i];
    if (c.isSurrogate()) { // rare, and depends on the neighbour: not cached
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            return m_metrics.horizontalAdvance(text.mid(i, 2));
        if (c.isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate())
            return 0;
        return m_metrics.horizontalAdvance(QChar::ReplacementCharacter);
    }
    qreal a;
    if (c == u'\t')
        a = 4 * m_metrics.horizontalAdvance(u' ');
    else
        a = m_metrics.horizontalAdvance(shownChar(c));
    m_table[c.unicode()] = {float(a), qint32(toSixtyFourths(a)) + 1};
    return a;
}

qreal CharAdvances::width(const QString& text, int from, int to) const
{
    qreal x = 0;
    for (int i = from; i < to; ++i)
        x += advance(text, i);
    return x;
}

} // namespace shrink4
