#pragma once
// The odds of the listed numbers by the prize table in use, as shrink4-cli odds gives them:
// cost, expected return and return rate, the share of draws paying anything and paying the
// cost back, each tier's draws won and expected return; and, said plainly, that conditions
// choose which numbers are bought but do not change what a ticket returns.

#include "engine/PrizeOdds.h"
#include "engine/PrizeTable.h"
#include "engine/TicketReturns.h"

#include <QByteArray>
#include <QDialog>

class QLabel;
class QTableWidget;

namespace shrink4 {

class OddsDialog : public QDialog {
    Q_OBJECT
public:
    explicit OddsDialog(QWidget* parent = nullptr);

    void showOdds(const PrizeTable& table, const PrizeOdds& odds);

signals:
    void settingsAsked();

private:
    QLabel* m_basis = nullptr;
    QLabel* m_tickets = nullptr;
    QLabel* m_cost = nullptr;
    QLabel* m_return = nullptr;
    QLabel* m_anyPrize = nullptr;
    QLabel* m_costBack = nullptr;
    QTableWidget* m_tiers = nullptr;
    QLabel* m_plain = nullptr;
    // The range of one ticket's return is the table's alone: worked out once per table.
    QByteArray m_rangeOf; // the table's file form
    TicketReturnRange m_range;
};

} // namespace shrink4
