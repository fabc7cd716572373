#include "PagedConditions.h"

#include "ClearOnDoubleClickEdit.h"
#include "ControlColors.h"
#include "ControlNames.h"
#include "TextConversion.h"
#include "WidgetFactory.h"
#include "WindowTexts.h"
#include "engine/DesignTexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace shrink4 {

namespace {

QString designText(const char* box)
{
    const std::string_view name(box);
    if (name == "T_main_shazhixuan")
        return fromInputText(design::kStraightKill);
    if (name == "T_main_laji_fushi")
        return fromInputText(design::kJunkCompound);
    if (name == "T_main_dw_sha")
        return fromInputText(design::kPositionalKill);
    return fromInputText(design::kCodeList);
}

} // namespace

PagedConditions::PagedConditions(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    auto* tabRow = new QHBoxLayout;
    tabRow->setSpacing(2);
    for (int i = 0; i < int(m_tabs.size()); ++i) {
        // Tool buttons: narrower margins than push buttons, so five captions fit a row.
        auto* tab = new QToolButton;
        tab->setObjectName(indexedName(QStringLiteral("C_sst_0"), i));
        tab->setText(texts::kTabCaptions[i]);
        tab->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        tabRow->addWidget(tab);
        connect(tab, &QToolButton::clicked, this, [this, i] { showPage(i); });
        m_tabs[std::size_t(i)] = tab;
    }
    layout->addLayout(tabRow);

    m_pages = new QStackedWidget;
    for (int i = 0; i < int(texts::kPages.size()); ++i)
        m_pages->addWidget(makePage(i));
    layout->addWidget(m_pages, 1);
    showPage(0);
}

QWidget* PagedConditions::makePage(int index)
{
    const auto& pageTexts = texts::kPages[std::size_t(index)];
    auto* page = new QWidget;
    page->setObjectName(indexedName(QStringLiteral("Frame_ding"), index));
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(0, 0, 0, 0);

    auto* boxes = new QVBoxLayout;
    boxes->setSpacing(2);
    for (const auto& box : pageTexts.boxes) {
        if (!box.name)
            continue;
        if (!box.label.isEmpty())
            boxes->addWidget(makeLabel(box.label));
        auto* edit = new ClearOnDoubleClickEdit(designText(box.name));
        edit->setObjectName(QString::fromLatin1(box.name));
        boxes->addWidget(edit, 1);
    }
    row->addLayout(boxes, 1);

    if (!pageTexts.hints.isEmpty()) {
        auto* hints = new QVBoxLayout;
        for (const QString& hint : pageTexts.hints)
            hints->addWidget(makeLabel(hint));
        hints->addStretch(1);
        row->addLayout(hints);
    }
    return page;
}

void PagedConditions::showPage(int index)
{
    m_pages->setCurrentIndex(index);
    for (QToolButton* tab : m_tabs)
        setButtonColor(tab, kIdleColor);
    setButtonColor(m_tabs[std::size_t(index)], kActiveTabColor);
}

int PagedConditions::currentPage() const
{
    return m_pages->currentIndex();
}

} // namespace shrink4
