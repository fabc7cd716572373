#include "SpliceWindow.h"

#include "ui/guide/GuideSections.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/ScreenFit.h"
#include "ui/splice/SplicePageWidget.h"
#include "ui/widgets/WindowStyle.h"

#include "tools/SplicePages.h"

#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace shrink4 {

SpliceWindow::SpliceWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Fmain_pj"));
    setWindowTitle(QStringLiteral("拼接工具"));
    setProperty(guide::kSectionProperty, guide::kSplice);
    // Not deleted on close: the player comes back to the boxes and results left behind.

    auto* tabs = new QHBoxLayout;
    auto* tabGroup = new QButtonGroup(this); // one tab checked at a time
    m_stack = new QStackedWidget(this);
    m_busyNotice = buildBusyNotice();
    const auto& pages = splicePages();
    for (int i = 0; i < kSplicePageCount; ++i) {
        auto* tab = new QPushButton(toQString(pages[std::size_t(i)].tabCaption), this);
        tab->setObjectName(indexedName("C_ding", i));
        tab->setCheckable(true);
        styleToggle(tab);
        tabGroup->addButton(tab);
        connect(tab, &QPushButton::clicked, this, [this, i] { selectPage(i); });
        tabs->addWidget(tab);
        m_tabs.append(tab);
        auto* page = new SplicePageWidget(i, pages[std::size_t(i)], m_busyNotice, m_stack);
        m_stack->addWidget(page);
        m_pages.append(page);
    }
    m_formatSample = new QLabel(this);
    m_formatSample->setObjectName(QStringLiteral("L_geshi"));
    auto* hint = new QLabel(QStringLiteral("【以上输入框，双击清空】"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tabs);
    layout->addWidget(m_formatSample);
    // The pages scroll where a small or scaled screen leaves too little room for ten boxes.
    layout->addWidget(makeScrollingArea(m_stack), 1);
    layout->addWidget(hint);
    resize(fittedWindowSize(this, QSize(960, 640)));
    selectPage(kSpliceStartPage);
}

QWidget* SpliceWindow::buildBusyNotice()
{
    // Floats over the window rather than taking part in its layout.
    auto* notice = new QFrame(this);
    notice->setObjectName(QStringLiteral("Pic_jd"));
    notice->setFrameShape(QFrame::Box);
    notice->setAutoFillBackground(true);
    auto* label = new QLabel(QStringLiteral("正在运算当中"), notice);
    label->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(notice);
    layout->addWidget(label);
    notice->adjustSize();
    notice->hide();
    return notice;
}

void SpliceWindow::centreBusyNotice()
{
    m_busyNotice->move((width() - m_busyNotice->width()) / 2, (height() - m_busyNotice->height()) / 2);
}

void SpliceWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    centreBusyNotice();
}

void SpliceWindow::selectPage(int index)
{
    m_tabs.at(index)->setChecked(true);
    m_stack->setCurrentIndex(index);
    m_formatSample->setText(toQString(splicePages()[std::size_t(index)].formatSample));
}

void SpliceWindow::setExportFolders(const SpliceExportFolders& folders)
{
    for (auto* page : m_pages)
        page->setExportFolders(folders);
}

} // namespace shrink4
