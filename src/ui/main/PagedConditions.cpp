#include "PagedConditions.h"

#include "ui/guide/GuideSections.h"
#include "ui/main/CountTabBar.h"
#include "ui/widgets/QtText.h"
#include "ui/main/ConditionWidgets.h"
#include "ui/application/WindowTexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTabBar>
#include <QVBoxLayout>

namespace shrink4 {

namespace {

QString labelAbove(ControlId control)
{
    for (const auto& box : texts::kBoxLabels)
        if (box.control == control)
            return box.label;
    return {};
}

} // namespace

PagedConditions::PagedConditions(ConditionForm& form, QWidget* parent)
    : QTabWidget(parent)
{
    m_tabs = new CountTabBar;
    setTabBar(m_tabs);
    setDocumentMode(true);
    // Five captions share the width of the text column, as equal tabs.
    tabBar()->setExpanding(true);
    tabBar()->setUsesScrollButtons(false);
    for (int i = 0; i < int(texts::kTabCaptions.size()); ++i)
        addTab(makePage(form, i), texts::kTabCaptions[i]);
    m_tips.resize(count());
    form.pages = this;
    setProperty(guide::kFrameProperty, int(Frame::Pages));
}

void PagedConditions::setPageTip(int index, const QString& tip)
{
    m_tips[index] = tip;
    setTabToolTip(index, tip);
}

void PagedConditions::showPageCount(int index, const QString& count, const QString& tooltip)
{
    m_tabs->setCountText(index, count.isEmpty() ? QString() : QStringLiteral("● %1").arg(count));
    setTabToolTip(index, tooltip.isEmpty() ? m_tips.value(index) : tooltip);
}

QString PagedConditions::pageCount(int index) const
{
    return m_tabs->countText(index);
}

QWidget* PagedConditions::makePage(ConditionForm& form, int index)
{
    auto* page = new QWidget;
    page->setObjectName(QString::fromStdString(indexedKey("Frame_ding", index)));
    page->setProperty(guide::kPageProperty, index);
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(0, 2, 0, 0);

    auto* boxes = new QVBoxLayout;
    boxes->setSpacing(2);
    for (const ControlMeta& meta : kControlMetas) {
        if (meta.page != index)
            continue;
        if (const QString label = labelAbove(meta.id); !label.isEmpty())
            boxes->addWidget(makeLabel(label));
        boxes->addWidget(makeTextBox(form.control(meta.id)), 1);
    }
    row->addLayout(boxes, 1);

    const QStringList& hints = texts::kPageHints[std::size_t(index)];
    if (!hints.isEmpty()) {
        auto* column = new QVBoxLayout;
        for (const QString& hint : hints)
            column->addWidget(makeLabel(hint));
        column->addStretch(1);
        row->addLayout(column);
    }
    return page;
}

} // namespace shrink4
