#include "ResultView.h"

#include "ControlRegistry.h"
#include "engine/PrizeCheck.h"

#include <QLabel>
#include "textbox/LineBox.h"
#include <QListWidget>
#include <QStringList>

namespace shrink4 {

namespace {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

ResultView::ResultView(const ControlRegistry& controls, QObject* parent)
    : QObject(parent),
      m_list(qobject_cast<QListWidget*>(controls.widget(QStringLiteral("Li_out")))),
      m_count(qobject_cast<QLabel*>(controls.widget(QStringLiteral("dadi_zhushu")))),
      m_prizeBox(controls.line(QStringLiteral("T_duijiang"))),
      m_prizeLabel(qobject_cast<QLabel*>(controls.widget(QStringLiteral("L_duijiang_news"))))
{
    connect(m_prizeBox, &LineBox::textChanged, this, &ResultView::T_duijiang_Change);
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
    m_list->setUpdatesEnabled(false);
    m_list->clear();
    m_list->addItems(items);
    m_list->setUpdatesEnabled(true);
    m_count->setText(QString::number(m_result.count));
}

void ResultView::resetPrizeCheck()
{
    m_prizeBox->clear();
    m_prizeLabel->setText(toQString(prize::kIdle));
}

void ResultView::T_duijiang_Change()
{
    const PrizeVerdict verdict = checkPrize(m_result.prizeCheckText, m_result.lines,
                                            m_prizeBox->text().toStdString(), m_groupForms);
    m_prizeLabel->setText(toQString(verdict.caption));
    for (int line : verdict.selectedLines)
        if (QListWidgetItem* item = m_list->item(line))
            item->setSelected(true);
    if (!verdict.selectedLines.empty())
        m_list->scrollToItem(m_list->item(verdict.selectedLines.front()));
}

} // namespace shrink4
