#include "UndoNotice.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUndoStack>

#include <utility>

namespace shrink4 {

namespace {

// Long enough to notice the strip and reach for the button.
constexpr int kShownMs = 20000;

} // namespace

UndoNotice::UndoNotice(QWidget* parent)
    : QFrame(parent),
      m_text(new QLabel),
      m_button(new QPushButton(QStringLiteral("撤销")))
{
    setObjectName(QStringLiteral("undo_notice"));
    m_button->setObjectName(QStringLiteral("C_undo_notice"));
    m_button->setToolTip(QStringLiteral("恢复到这一步之前的条件和结果"));
    setFrameShape(QFrame::StyledPanel);
    m_text->setWordWrap(false); // one line: it lives in the status line
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(m_text, 1);
    row->addWidget(m_button);
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(kShownMs);
    connect(&m_timeout, &QTimer::timeout, this, &UndoNotice::withdraw);
    connect(m_button, &QPushButton::clicked, this, &UndoNotice::undo);
    hide();
}

void UndoNotice::offer(const QString& text, std::function<void()> undo)
{
    m_text->setText(text);
    m_undo = std::move(undo);
    m_timeout.start();
    show();
}

void UndoNotice::offerLastStep(const QString& text, QUndoStack* history)
{
    if (m_watched != history) {
        m_watched = history;
        connect(history, &QUndoStack::indexChanged, this, [this](int index) {
            if (index != m_offeredIndex)
                withdraw();
        });
    }
    const int index = history->index();
    offer(text, [history, index] {
        if (history->index() == index)
            history->undo();
    });
    m_offeredIndex = index;
}

void UndoNotice::withdraw()
{
    m_timeout.stop();
    m_offeredIndex = -1;
    m_undo = nullptr;
    hide();
}

void UndoNotice::undo()
{
    // Taken out first: undoing changes the conditions, and that withdraws the offer.
    std::function<void()> run = std::exchange(m_undo, nullptr);
    withdraw();
    if (run)
        run();
}

} // namespace shrink4
