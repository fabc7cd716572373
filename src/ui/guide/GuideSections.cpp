#include "GuideSections.h"

#include <QWidget>

#include <array>

namespace shrink4::guide {

namespace {

// By Frame.
const std::array<QString, kFrameCount> kFrameSections = {
    QStringLiteral("text-conditions.html"),        QStringLiteral("conditions.html#base-pool"),
    QStringLiteral("conditions.html#sum-span"),    QStringLiteral("conditions.html#dan"),
    QStringLiteral("conditions.html#positional"),  QStringLiteral("conditions.html#tolerance"),
    QStringLiteral("shapes.html#big-small"),       QStringLiteral("shapes.html#odd-even"),
    QStringLiteral("shapes.html#prime-composite"), QStringLiteral("shapes.html#road"),
    QStringLiteral("shapes.html#special-shape"),   QStringLiteral("shapes.html#special-exclusion"),
};

// By page of the paged text conditions.
const std::array<QString, 5> kPageSections = {
    QStringLiteral("text-conditions.html#straight-kill"),   QStringLiteral("text-conditions.html#junk-compound"),
    QStringLiteral("text-conditions.html#two-codes"),       QStringLiteral("text-conditions.html#three-codes"),
    QStringLiteral("text-conditions.html#positional-kill"),
};

} // namespace

QString frameSection(Frame frame)
{
    return kFrameSections[std::size_t(frame)];
}

QString pageSection(int page)
{
    return page >= 0 && page < int(kPageSections.size()) ? kPageSections[std::size_t(page)]
                                                         : frameSection(Frame::Pages);
}

QString sectionFor(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (const QVariant page = widget->property(kPageProperty); page.isValid())
            return pageSection(page.toInt());
        if (const QVariant frame = widget->property(kFrameProperty); frame.isValid())
            return frameSection(Frame(frame.toInt()));
        if (const QVariant section = widget->property(kSectionProperty); section.isValid())
            return section.toString();
    }
    return kContents;
}

} // namespace shrink4::guide
