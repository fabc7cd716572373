#include "LiveCounts.h"

#include "ui/main/FrameBadge.h"
#include "ui/main/LiveRun.h"
#include "ui/main/PagedConditions.h"

#include <QGroupBox>
#include <QLabel>

#include <optional>
#include <vector>

namespace shrink4 {

namespace {

// What the condition rows of one frame or page fail together; none when no row of it
// takes part.
using Removed = std::optional<NumberSet>;

struct RemovedCounts {
    std::array<Removed, kFrameCount> frames;
    std::vector<Removed> pages;
};

void addTo(Removed& removed, const NumberSet& fails)
{
    removed = removed ? *removed | fails : fails;
}

RemovedCounts removedBy(const RunResult& run, int pageCount)
{
    RemovedCounts r;
    r.pages.resize(std::size_t(pageCount));
    for (const ConditionRow& row : run.rows) {
        const ControlMeta& meta = controlMeta(row.control);
        addTo(r.frames[std::size_t(meta.frame)], row.fails);
        if (meta.page >= 0 && meta.page < pageCount)
            addTo(r.pages[std::size_t(meta.page)], row.fails);
    }
    // The base pool is no condition row, but it removes what it leaves out.
    if (!run.outsidePool.empty())
        r.frames[std::size_t(Frame::BasePool)] = run.outsidePool;
    return r;
}

QString countText(const Removed& removed)
{
    return removed ? QStringLiteral("杀 %1").arg(removed->count()) : QString();
}

QString countTooltip(const Removed& removed)
{
    return removed ? QStringLiteral("这里的条件不符的号码：%1 注（总容错为 0 时全部删除）").arg(removed->count())
                   : QString();
}

} // namespace

LiveCounts::LiveCounts(const ConditionForm& form, QLabel* survivors, QObject* parent)
    : QObject(parent),
      m_form(form),
      m_survivors(survivors)
{
    for (int f = 0; f < kFrameCount; ++f)
        if (QGroupBox* frame = form.frames[std::size_t(f)]) {
            m_badges[std::size_t(f)] = new FrameBadge(frame);
            m_badges[std::size_t(f)]->setObjectName(QStringLiteral("L_frame_count(%1)").arg(f));
        }
    m_survivors->setToolTip(QStringLiteral("按现在的条件缩水将留下的注数，随条件变化更新"));
}

void LiveCounts::show(const LiveState& state)
{
    PagedConditions& pages = *m_form.pages;
    const RemovedCounts removed = removedBy(state.run, pages.count());
    for (int f = 0; f < kFrameCount; ++f)
        if (FrameBadge* badge = m_badges[std::size_t(f)])
            badge->showCount(countText(removed.frames[std::size_t(f)]), countTooltip(removed.frames[std::size_t(f)]));
    for (int p = 0; p < pages.count(); ++p)
        pages.showPageCount(p, countText(removed.pages[std::size_t(p)]), countTooltip(removed.pages[std::size_t(p)]));
    m_survivors->setText(QStringLiteral("实时注数：%1").arg(state.run.list.count));
}

} // namespace shrink4
