#include "MoneyLine.h"

#include "ui/application/PrizeSetting.h"
#include "ui/main/ResultView.h"
#include "ui/money/MoneyTexts.h"
#include "ui/money/OddsDialog.h"

#include <QAbstractButton>
#include <QLabel>

namespace shrink4 {

namespace {

// Two lines, the cost and the return, so that a narrow column never breaks inside a figure.
QString shownLines(const QString& line)
{
    QString shown = line;
    return shown.replace(QStringLiteral("；"), QStringLiteral("；\n"));
}

} // namespace

MoneyLine::MoneyLine(QLabel* line, QAbstractButton* details, const ResultView& results, PrizeSetting& prizes,
                     QWidget* window)
    : QObject(window),
      m_line(line),
      m_details(details),
      m_results(results),
      m_prizes(prizes),
      m_window(window)
{
    m_line->setTextFormat(Qt::PlainText);
    connect(&results, &ResultView::shown, this, &MoneyLine::update);
    connect(&prizes, &PrizeSetting::changed, this, &MoneyLine::update);
    connect(m_details, &QAbstractButton::clicked, this, &MoneyLine::showDetails);
    update();
}

// Once per list or table, never on a paint: pricing 10,000 tickets takes a few milliseconds.
void MoneyLine::update()
{
    m_tickets = NumberSet();
    for (const int n : m_results.result().numbers)
        m_tickets.set(n);
    const PrizeTable& table = m_prizes.table();
    m_odds = prizeOdds(m_tickets, table);
    const QString line = money::costLine(m_odds, table);
    m_line->setText(shownLines(line));
    m_line->setAccessibleName(line);
    const QString name = QString::fromStdString(table.name);
    m_line->setToolTip(
        QStringLiteral("按奖金表“%1”（每注 %2）计，0000–9999 每个号码开出的可能都一样。"
                       "期望回报是平均每期开奖拿回的奖金；奖金表在 方案 → 奖金设置 里改。%3")
            .arg(name, money::amountIn(table.price, table),
                 m_results.groupForms() ? QStringLiteral("组选结果按列出的每个号码各买一注计。") : QString()));
    m_details->setEnabled(m_odds.tickets > 0);
    if (m_dialog && m_dialog->isVisible())
        m_dialog->showOdds(table, m_odds);
}

void MoneyLine::showDetails()
{
    if (!m_dialog) {
        m_dialog = new OddsDialog(m_window);
        connect(m_dialog, &OddsDialog::settingsAsked, this, &MoneyLine::settingsAsked);
    }
    m_dialog->showOdds(m_prizes.table(), m_odds);
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

} // namespace shrink4
