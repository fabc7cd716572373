#pragma once
// Fmain: the window that holds every condition, runs the filter and shows its result.

#include "ConditionBinding.h"
#include "ConditionDefaults.h"
#include "ControlRegistry.h"

#include <QMainWindow>

#include <memory>

namespace shrink4 {

class DanButtons;
class PagedConditions;
class ResultView;
class RunController;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    ConditionInputs conditions() const { return m_binding.read(); }
    void setConditions(const ConditionInputs& inputs) { m_binding.write(inputs); }

    // Loads a scheme into the controls. A file that cannot be read shows its error and
    // changes nothing.
    bool openScheme(const QString& path);
    bool saveScheme(const QString& path);

    RunController& runner() { return *m_runner; }
    ConditionDefaults& defaults() { return *m_defaults; }
    PagedConditions& pages() { return *m_pages; }
    QString resultText() const;

protected:
    // Closing the main window ends the program, tool windows included.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    void buildActions();
    void connectButtons();
    void C_copy_Click();
    void C_all_cls_Click();
    void openSchemeDialog();
    void saveSchemeDialog();
    void showSchemeName(const QString& path);

    ControlRegistry m_controls;
    ConditionBinding m_binding{m_controls};
    PagedConditions* m_pages = nullptr;
    DanButtons* m_dan = nullptr;
    std::unique_ptr<ConditionDefaults> m_defaults;
    ResultView* m_results = nullptr;
    RunController* m_runner = nullptr;
};

} // namespace shrink4
