#include "FirstStartHint.h"

#include "ui/application/Settings.h"

#include <QVBoxLayout>

namespace shrink4 {

FirstStartHint::FirstStartHint()
    : QLabel(QStringLiteral("先在左边填条件，再按 F5 缩水；不懂点 F1"))
{
    setObjectName(QStringLiteral("L_start_hint"));
    setWordWrap(true);
    setMargin(4);
    // The palette's own highlight: readable on a light desktop and a dark one alike.
    setBackgroundRole(QPalette::Highlight);
    setForegroundRole(QPalette::HighlightedText);
    setAutoFillBackground(true);
    hide();
}

QWidget* FirstStartHint::over(QWidget* conditions)
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(this);
    layout->addWidget(conditions, 1);
    return column;
}

void FirstStartHint::offer(bool firstStart)
{
    const Settings settings;
    m_firstStart = firstStart;
    setVisible((firstStart || settings.startHintShown()) && !settings.startHintDone());
}

void FirstStartHint::keep()
{
    Settings settings;
    if (m_firstStart && !isHidden() && !settings.startHintShown())
        settings.setStartHintShown(true);
}

void FirstStartHint::done()
{
    if (isHidden())
        return;
    hide();
    Settings().setStartHintDone(true);
}

} // namespace shrink4
