#pragma once
// 走势: the kept past draws as a trend grid per position and the figures of every family,
// over the latest 30, 50, 100, 300 or all draws. Values chosen there, or picked by a cold or
// hot rule, are killed in the main window's conditions in one step its 撤销 takes back.

#include "engine/Draws.h"
#include "trends/TrendFigures.h"
#include "trends/TrendRules.h"
#include "ui/trends/ConditionsLink.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableView;

namespace shrink4 {

class FiguresModel;
class OmissionGridModel;
class RuleTestPanel;

class TrendsWindow : public QWidget {
    Q_OBJECT
public:
    // `drawsPath`: where 历史回测 keeps the draws; `link` reaches the main window's conditions.
    TrendsWindow(QWidget* mainWindow, const QString& drawsPath, ConditionsLink link = {});

protected:
    // The draws are read again whenever the window is shown or activated: 历史回测 may
    // have changed them meanwhile.
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildControls();
    QWidget* buildFigures();
    QWidget* buildKillButtons();
    // The values chosen on the page shown: columns of a position's grid, rows of the figures.
    int shownTrack() const;
    std::vector<trends::TrackPick> chosenValues() const;
    void killChosen();
    // The rule of 杀冷 K or 杀热 K on the track shown, and what it picks over the window.
    trends::Rule shownRule(trends::Leaning leaning) const;
    std::vector<trends::TrackPick> rulePicks(trends::Leaning leaning) const;
    void killByRule(trends::Leaning leaning);
    // The kill buttons name the values they would kill now.
    void refreshRuleButtons();
    void apply(const QString& step, const std::vector<trends::TrackPick>& picks);
    void reloadDraws();
    void refresh();
    void refreshFigures();
    std::vector<Draw> window() const;

    QString m_path;
    ConditionsLink m_link;
    QTabWidget* m_tabs = nullptr;
    QTableView* m_table = nullptr;
    QString m_text;       // of the draws on show, to skip a reload that changes nothing
    DrawsLayout m_layout; // the layout they were read with
    std::vector<Draw> m_draws;
    trends::WindowFigures m_figuresNow; // of the latest N draws
    QComboBox* m_last = nullptr;
    QLabel* m_status = nullptr;
    std::vector<OmissionGridModel*> m_grids;
    std::vector<QTableView*> m_gridViews;
    QComboBox* m_family = nullptr;
    QSpinBox* m_coldHot = nullptr;
    FiguresModel* m_figures = nullptr;
    QPushButton* m_killCold = nullptr;
    QPushButton* m_killHot = nullptr;
    QLabel* m_note = nullptr;
    RuleTestPanel* m_ruleTest = nullptr;
};

} // namespace shrink4
