#pragma once
// 走势: the kept past draws as a trend grid per position and the figures of every family,
// over the latest 30, 50, 100, 300 or all draws. It only shows: it changes no condition.

#include "engine/Draws.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;
class QSpinBox;
class QTableView;

namespace shrink4 {

class FiguresModel;
class OmissionGridModel;

class TrendsWindow : public QWidget {
    Q_OBJECT
public:
    // `drawsPath`: where 历史回测 keeps the draws.
    TrendsWindow(QWidget* mainWindow, const QString& drawsPath);

protected:
    // The draws are read again whenever the window is shown or activated: 历史回测 may
    // have changed them meanwhile.
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildControls();
    QWidget* buildFigures();
    void reloadDraws();
    void refresh();
    void refreshFigures();
    std::vector<Draw> window() const;

    QString m_path;
    QString m_text; // of the draws on show, to skip a reload that changes nothing
    std::vector<Draw> m_draws;
    QComboBox* m_last = nullptr;
    QLabel* m_status = nullptr;
    std::vector<OmissionGridModel*> m_grids;
    std::vector<QTableView*> m_gridViews;
    QComboBox* m_family = nullptr;
    QSpinBox* m_coldHot = nullptr;
    FiguresModel* m_figures = nullptr;
};

} // namespace shrink4
