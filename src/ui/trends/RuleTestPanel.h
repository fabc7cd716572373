#pragma once
// 规则检验: cold and hot rules tested walking forward over the kept draws with the main
// window's conditions. At each tested draw the rules see only the W draws before it; the
// hit rate is never shown without that of a random pick of as many numbers beside it.

#include "engine/Draws.h"
#include "conditions/ConditionTable.h"
#include "trends/WalkForward.h"

#include <QWidget>

#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace shrink4 {

namespace charts {
class LineChart;
}

class RuleTestPanel : public QWidget {
    Q_OBJECT
public:
    // `conditions` gives the main window's conditions as they stand when a test starts.
    explicit RuleTestPanel(std::function<ConditionInputs()> conditions, QWidget* parent = nullptr);

    // The draws to test on, in time order.
    void setDraws(std::vector<Draw> draws);
    // Tests the rules listed; the result shows when the test ends (off the window's thread).
    void start();

signals:
    void tested();

private:
    QWidget* buildRuleRow();
    QWidget* buildTestRow();
    void addRule();
    void show(const trends::WalkForward& test, int window);

    std::function<ConditionInputs()> m_conditions;
    std::vector<Draw> m_draws;
    std::vector<trends::Rule> m_rules;
    std::vector<trends::Rule> m_scopes; // what each entry of m_family picks from (its family and position)
    int m_generation = 0;               // of the test whose result may still show
    QComboBox* m_family = nullptr;
    QComboBox* m_leaning = nullptr;
    QSpinBox* m_count = nullptr;
    QListWidget* m_ruleList = nullptr;
    QSpinBox* m_window = nullptr;
    QSpinBox* m_last = nullptr;
    QPushButton* m_start = nullptr;
    QLabel* m_summary = nullptr;
    QLabel* m_verdict = nullptr;
    charts::LineChart* m_chart = nullptr;
};

} // namespace shrink4
