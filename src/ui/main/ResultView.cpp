#include "ResultView.h"

#include "ui/main/ConditionForm.h"
#include "ui/main/PrizeReason.h"
#include "ui/widgets/QtText.h"
#include "ui/main/ResultPanels.h"
#include "engine/PrizeCheck.h"
#include "ui/widgets/textbox/LineBox.h"

#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QStringList>

#include <utility>

namespace shrink4 {

namespace {

const QString kStale = QStringLiteral("条件已改动，结果为上次缩水所得 — 按 F5 重新缩水");
const QString kRestored = QStringLiteral("上次结果，缩水于 %1");
const QString kGroups = QStringLiteral("组选结果，共 %1 组（一组含其数字的各种排列）");
const QString kCheckedStale = QStringLiteral("按上次缩水的结果查询。");

} // namespace

ResultView::ResultView(const RunForm& form, std::function<ConditionInputs()> read, QObject* parent)
    : QObject(parent),
      m_form(form),
      m_baseline(std::move(read))
{
    connect(m_form.prizeBox, &LineBox::textChanged, this, &ResultView::checkPrize);
    connect(&m_baseline, &ConditionsBaseline::differsChanged, this, [this] {
        showState();
        checkPrizeAgain();
    });
    showState();
}

void ResultView::show(ResultList result, bool groupForms)
{
    m_shown.result = std::move(result);
    m_shown.groupForms = groupForms;
    fillList();
    showState();
    checkPrizeAgain(); // the number typed is checked against the new list
    emit shown(m_shown.result.count);
}

void ResultView::fillList()
{
    m_resultText = toQString(m_shown.result.resultText);
    QStringList items;
    items.reserve(qsizetype(m_shown.result.lines.size()));
    for (const auto& line : m_shown.result.lines)
        items << toQString(line);
    // One batch, without repainting item by item.
    m_form.results->setUpdatesEnabled(false);
    m_form.results->clear();
    m_form.results->addItems(items);
    m_form.results->setProperty("groupForms", m_shown.groupForms); // 找号 matches group forms by digits
    m_form.results->setUpdatesEnabled(true);
    m_form.count->setText(QString::number(m_shown.result.count));
}

void ResultView::belongTo(ConditionInputs conditions, QDateTime ranAt, bool restored)
{
    m_shown.ranAt = std::move(ranAt);
    m_shown.restored = restored;
    m_baseline.setBaselineAndCompare(std::move(conditions));
    showState();
}

bool ResultView::isStale()
{
    if (!hasResult())
        return false;
    m_baseline.compare();
    return m_baseline.differs();
}

ResultView::Shown ResultView::current() const
{
    Shown shown = m_shown;
    shown.conditions = m_baseline.baseline();
    return shown;
}

void ResultView::clear()
{
    restore(Shown());
}

void ResultView::restore(Shown kept)
{
    m_shown = std::move(kept);
    fillList();
    m_baseline.setBaselineAndCompare(std::exchange(m_shown.conditions, {}));
    showState();
    checkPrizeAgain();
    emit shown(m_shown.result.count);
}

// The strip over the list, and the state as properties of the list and the count, so
// that styles and tests read the state, not a colour.
void ResultView::showState()
{
    const bool stale = hasResult() && m_baseline.differs();
    QString note;
    if (stale)
        note = kStale;
    else if (hasResult() && m_shown.restored)
        note = kRestored.arg(QLocale().toString(m_shown.ranAt, QStringLiteral("yyyy-MM-dd HH:mm")));
    m_form.staleNote->setText(note);
    m_form.staleNote->setVisible(!note.isEmpty());
    const bool groups = m_shown.groupForms && hasResult();
    m_form.groupNote->setText(groups ? kGroups.arg(m_shown.result.count) : QString());
    m_form.groupNote->setVisible(groups);
    m_form.results->setProperty("groupForms", groups);
    m_form.results->setProperty("stale", stale);
    m_form.count->setProperty("stale", stale);
    m_form.count->setToolTip(stale ? kStale : QString());
    emit stateChanged();
}

void ResultView::showReason(const QString& reason)
{
    QLabel* label = m_form.prizeReason;
    label->setToolTip(reason);
    label->setText(label->fontMetrics().elidedText(reason, Qt::ElideRight, label->contentsRect().width()));
}

void ResultView::checkPrizeAgain()
{
    // With nothing typed the check waits, as at the start: "number incomplete" over an
    // empty box the player never touched would read as a fault of theirs.
    if (m_form.prizeBox->text().trimmed().isEmpty()) {
        showPrizeCaption(m_form.prizeLabel, toQString(prize::kIdle), false);
        showReason(QString());
        m_form.results->clearSelection();
        return;
    }
    checkPrize();
}

void ResultView::checkPrize()
{
    const ResultList& result = m_shown.result;
    const PrizeVerdict verdict = shrink4::checkPrize(result.prizeCheckText, result.lines,
                                                     m_form.prizeBox->text().toStdString(), m_shown.groupForms);
    const bool checked = verdict.caption != prize::kIdle;
    showPrizeCaption(m_form.prizeLabel, toQString(verdict.caption), checked);
    const int number = drawnNumber(m_form.prizeBox->text());
    const bool explained = verdict.caption == prize::kNoWin && m_shown.run && number >= 0;
    QString reason = explained ? prizeReason(*m_shown.run, number, m_shown.groupForms) : QString();
    // A check against a list of other conditions must not pass for a check of these.
    if (checked && hasResult() && m_baseline.differs())
        reason = kCheckedStale + reason;
    showReason(reason);
    // Each check shows its own hits only, not those of numbers typed before.
    m_form.results->clearSelection();
    for (int line : verdict.selectedLines)
        if (QListWidgetItem* item = m_form.results->item(line))
            item->setSelected(true);
    if (!verdict.selectedLines.empty())
        m_form.results->scrollToItem(m_form.results->item(verdict.selectedLines.front()));
}

} // namespace shrink4
