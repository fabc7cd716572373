#include "ResultView.h"

#include "ConditionForm.h"
#include "PrizeReason.h"
#include "QtText.h"
#include "ResultPanels.h"
#include "engine/PrizeCheck.h"
#include "textbox/LineBox.h"

#include <QLabel>
#include <QListWidget>
#include <QStringList>

namespace shrink4 {

ResultView::ResultView(const RunForm& form, QObject* parent) : QObject(parent), m_form(form)
{
    connect(m_form.prizeBox, &LineBox::textChanged, this, &ResultView::checkPrize);
}

void ResultView::show(ResultList result, bool groupForms)
{
    m_result = std::move(result);
    m_groupForms = groupForms;
    m_resultText = toQString(m_result.resultText);

    QStringList items;
    items.reserve(qsizetype(m_result.lines.size()));
    for (const auto& line : m_result.lines)
        items << toQString(line);
    // One batch, without repainting item by item.
    m_form.results->setUpdatesEnabled(false);
    m_form.results->clear();
    m_form.results->addItems(items);
    m_form.results->setUpdatesEnabled(true);
    m_form.count->setText(QString::number(m_result.count));
    emit shown(m_result.count);
}

void ResultView::resetPrizeCheck()
{
    m_form.prizeBox->clear();
    showPrizeCaption(m_form.prizeLabel, toQString(prize::kIdle), false);
    showReason(QString());
}

void ResultView::showReason(const QString& reason)
{
    QLabel* label = m_form.prizeReason;
    label->setToolTip(reason);
    label->setText(label->fontMetrics().elidedText(reason, Qt::ElideRight, label->contentsRect().width()));
}

void ResultView::checkPrize()
{
    const PrizeVerdict verdict = shrink4::checkPrize(m_result.prizeCheckText, m_result.lines,
                                            m_form.prizeBox->text().toStdString(), m_groupForms);
    showPrizeCaption(m_form.prizeLabel, toQString(verdict.caption), verdict.caption != prize::kIdle);
    const int number = drawnNumber(m_form.prizeBox->text());
    const bool explained = verdict.caption == prize::kNoWin && m_run && number >= 0;
    showReason(explained ? prizeReason(*m_run, number) : QString());
    // Each check shows its own hits only, not those of numbers typed before.
    m_form.results->clearSelection();
    for (int line : verdict.selectedLines)
        if (QListWidgetItem* item = m_form.results->item(line))
            item->setSelected(true);
    if (!verdict.selectedLines.empty())
        m_form.results->scrollToItem(m_form.results->item(verdict.selectedLines.front()));
}

} // namespace shrink4
