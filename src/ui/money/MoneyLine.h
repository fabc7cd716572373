#pragma once
// Beside 最后注数: what the listed numbers cost and return by the prize table in use
// (共 N 注，X 元；期望回报 Y 元（Z%）), worked out once whenever the list or the table changes,
// and one click away every figure of the odds, tier by tier.

#include "core/NumberSet.h"
#include "engine/PrizeOdds.h"

#include <QObject>
#include <QPointer>

class QAbstractButton;
class QLabel;
class QWidget;

namespace shrink4 {

class OddsDialog;
class PrizeSetting;
class ResultView;

class MoneyLine : public QObject {
    Q_OBJECT
public:
    // `line` shows the figures, `details` opens them all; both live in `window`.
    MoneyLine(QLabel* line, QAbstractButton* details, const ResultView& results, PrizeSetting& prizes, QWidget* window);

    const PrizeOdds& odds() const { return m_odds; }

signals:
    // The player asked to change the prize table from the figures.
    void settingsAsked();

private:
    void update();
    void showDetails();

    QLabel* m_line;
    QAbstractButton* m_details;
    const ResultView& m_results;
    PrizeSetting& m_prizes;
    QWidget* m_window;
    NumberSet m_tickets;
    PrizeOdds m_odds;
    QPointer<OddsDialog> m_dialog;
};

} // namespace shrink4
