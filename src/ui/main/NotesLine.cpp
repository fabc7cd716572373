#include "NotesLine.h"

#include "ui/main/ConditionBinding.h"
#include "ui/widgets/PaletteColors.h"
#include "ui/widgets/QtText.h"
#include "engine/Notes.h"

#include <QStringList>

#include <algorithm>

namespace shrink4 {

namespace {

// Typing is read once it pauses: a box of megabytes takes longer to read than a keystroke.
constexpr int kSettleMs = 120;

QStringList describe(const std::vector<Note>& notes)
{
    QStringList parts;
    for (const Note& note : notes)
        parts << QStringLiteral("%1：%2").arg(toQString(controlMeta(note.control).caption), toQString(note.text));
    return parts;
}

} // namespace

NotesLine::NotesLine(const ConditionForm& form, QWidget* parent)
    : QLabel(parent),
      m_form(form)
{
    setObjectName(QStringLiteral("L_notes"));
    // However long the notes, the line never widens the window.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setMinimumWidth(1);
    showAsWarning(this);
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &NotesLine::refresh);
    onConditionChange(form, this, [this] {
        m_emptyResult = false;
        m_settle.start();
    });
}

void NotesLine::showRunCount(int count)
{
    m_emptyResult = count == 0;
    m_settle.stop();
    refresh();
}

void NotesLine::refresh()
{
    m_parts = describe(conditionNotes(readConditions(m_form)));
    if (m_emptyResult)
        m_parts.prepend(QStringLiteral("没有符合条件的号码，请检查过滤条件"));
    setToolTip(m_parts.join(QLatin1Char('\n')));
    showElided();
}

void NotesLine::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    showElided();
}

void NotesLine::showElided()
{
    setText(fontMetrics().elidedText(fullText(), Qt::ElideRight, std::max(1, contentsRect().width())));
}

} // namespace shrink4
