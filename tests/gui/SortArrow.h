#pragma once
// Which way a header's sort arrow points, read from what the header paints: the arrow's
// wide edge is where the darker pixels of one order gather against the other's.

#include <QHeaderView>
#include <QImage>

namespace shrink4::test {

// True when the ascending arrow over `section` points up (▲) and the descending one down.
inline bool ascendingArrowPointsUp(QHeaderView* header, int section)
{
    const Qt::SortOrder before = header->sortIndicatorOrder();
    const int beforeSection = header->sortIndicatorSection();
    const auto paint = [&](Qt::SortOrder order) {
        header->setSortIndicator(section, order);
        return header->grab().toImage().convertToFormat(QImage::Format_Grayscale8);
    };
    const QImage up = paint(Qt::AscendingOrder);
    const QImage down = paint(Qt::DescendingOrder);
    header->setSortIndicator(beforeSection, before);
    // Mean height of the pixels each order paints darker than the other.
    double upRows = 0, upCount = 0, downRows = 0, downCount = 0;
    for (int y = 0; y < up.height(); ++y)
        for (int x = 0; x < up.width(); ++x) {
            const int a = qGray(up.pixel(x, y));
            const int d = qGray(down.pixel(x, y));
            if (a + 40 < d)
                upRows += y, ++upCount;
            else if (d + 40 < a)
                downRows += y, ++downCount;
        }
    return upCount > 0 && downCount > 0 && upRows / upCount > downRows / downCount;
}

} // namespace shrink4::test
