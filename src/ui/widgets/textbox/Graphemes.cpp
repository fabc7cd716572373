#include "Graphemes.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace shrink4 {

namespace {

// How far either side of a position the boundary rules look; a longer cluster is split
// where the look ends.
constexpr int kReach = 32;

// Below U+0300 no character joins its neighbours, except CR before LF (a single-line
// box keeps both). Most text is settled by this test alone.
bool plainPair(const QString& text, int before, int after)
{
    const char16_t a = text[before].unicode();
    const char16_t b = text[after].unicode();
    return a < 0x300 && b < 0x300 && !(a == u'\r' && b == u'\n');
}

struct Neighbourhood {
    int from;
    QTextBoundaryFinder finder;
};

// A finder over the text around `position`, standing at `position`.
Neighbourhood around(const QString& text, int position)
{
    const int from = std::max(0, position - kReach);
    const int to = std::min(int(text.size()), position + kReach);
    Neighbourhood n{from, QTextBoundaryFinder(QTextBoundaryFinder::Grapheme, text.constData() + from, to - from)};
    n.finder.setPosition(position - from);
    return n;
}

} // namespace

bool isGraphemeBoundary(const QString& text, int position)
{
    if (position <= 0 || position >= text.size() || plainPair(text, position - 1, position))
        return true;
    return around(text, position).finder.isAtBoundary();
}

int nextGraphemeBoundary(const QString& text, int position)
{
    const int size = int(text.size());
    if (position >= size)
        return size;
    if (position + 1 == size || plainPair(text, position, position + 1))
        return position + 1;
    Neighbourhood n = around(text, position);
    const qsizetype next = n.finder.toNextBoundary();
    return next < 0 ? size : n.from + int(next);
}

int previousGraphemeBoundary(const QString& text, int position)
{
    if (position <= 0)
        return 0;
    if (position == 1 || plainPair(text, position - 2, position - 1))
        return position - 1;
    Neighbourhood n = around(text, position);
    const qsizetype previous = n.finder.toPreviousBoundary();
    return previous < 0 ? 0 : n.from + int(previous);
}

} // namespace shrink4
