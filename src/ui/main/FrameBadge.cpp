#include "FrameBadge.h"

#include "ui/widgets/PaletteColors.h"

#include <QEvent>
#include <QGroupBox>

#include <algorithm>

namespace shrink4 {

namespace {

constexpr int kRightMargin = 6;
constexpr int kGapAfterTitle = 12;

} // namespace

FrameBadge::FrameBadge(QGroupBox* frame)
    : QLabel(frame),
      m_frame(frame)
{
    showAsWarning(this);
    frame->installEventFilter(this);
    hide();
}

void FrameBadge::showCount(const QString& text, const QString& tooltip)
{
    m_text = text;
    setToolTip(tooltip);
    setVisible(!text.isEmpty());
    place();
}

bool FrameBadge::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_frame && (event->type() == QEvent::Resize || event->type() == QEvent::FontChange))
        place();
    return QLabel::eventFilter(watched, event);
}

void FrameBadge::place()
{
    // The room right of the title, on its line.
    const QFontMetrics titleMetrics(m_frame->font());
    const int titleEnd = titleMetrics.horizontalAdvance(m_frame->title()) + kGapAfterTitle;
    const int room = std::max(0, m_frame->width() - titleEnd - kRightMargin);
    setText(fontMetrics().elidedText(m_text, Qt::ElideLeft, room));
    const int width = std::min(room, sizeHint().width());
    setGeometry(m_frame->width() - kRightMargin - width, 0, width, titleMetrics.height());
    raise();
}

} // namespace shrink4
