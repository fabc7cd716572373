#include "NotesLine.h"

#include "ConditionBinding.h"
#include "QtText.h"
#include "core/ResultList.h"
#include "engine/Notes.h"

#include <QStringList>

namespace shrink4 {

namespace {

// Typing is read once it pauses: a box of megabytes takes longer to read than a keystroke.
constexpr int kSettleMs = 120;

QString describe(const std::vector<Note>& notes)
{
    QStringList parts;
    for (const Note& note : notes)
        parts << QStringLiteral("%1：%2").arg(toQString(controlMeta(note.control).caption), toQString(note.text));
    return parts.join(QStringLiteral("；"));
}

} // namespace

NotesLine::NotesLine(const ConditionForm& form, QWidget* parent) : QLabel(parent), m_form(form)
{
    setObjectName(QStringLiteral("L_notes"));
    setWordWrap(true);
    setStyleSheet(QStringLiteral("color: rgb(170, 60, 0);"));
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
    QString text = describe(conditionNotes(readConditions(m_form)));
    if (m_emptyResult)
        text = toQString(kNoResultMessage) + (text.isEmpty() ? QString() : QStringLiteral("。") + text);
    setText(text);
}

} // namespace shrink4
