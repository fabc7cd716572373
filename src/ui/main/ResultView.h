#pragma once
// The result of the last run or conversion as the window shows it: the list Li_out,
// the count dadi_zhushu, and the prize check on T_duijiang that searches it. The result
// belongs to the conditions it was run with: once those on screen differ, a strip over
// the list says so, until a new run or an undo back to them.

#include "ui/application/ConditionsBaseline.h"
#include "core/ResultList.h"
#include "engine/FilterRun.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace shrink4 {

struct RunForm;

class ResultView : public QObject {
    Q_OBJECT
public:
    // What the view shows, taken out and put back whole (an undo of a sweeping action).
    struct Shown {
        ResultList result;
        bool groupForms = false;
        std::optional<RunResult> run;
        ConditionInputs conditions; // those the result was run with (kept by the baseline while shown)
        QDateTime ranAt;
        bool restored = false;
    };

    // read gives the conditions on screen.
    ResultView(const RunForm& form, std::function<ConditionInputs()> read, QObject* parent = nullptr);

    // Replaces the shown result. groupForms: the list holds group forms, so the prize
    // check compares a drawn number by its digits sorted.
    void show(ResultList result, bool groupForms);
    // The run behind the shown result: the prize check says why a number is not in it.
    void explainWith(RunResult run)
    {
        keepCountOnly(run.list); // the list shown is kept once, as result()
        m_shown.run = std::move(run);
    }
    // The shown result was run with `conditions` at ranAt; restored: at an earlier start
    // of the program.
    void belongTo(ConditionInputs conditions, QDateTime ranAt, bool restored = false);
    // Any condition changed.
    void conditionsChanged() { m_baseline.conditionsChanged(); }
    // Whether the conditions on screen differ from the result's, compared now.
    bool isStale();
    bool hasResult() const { return m_shown.ranAt.isValid(); }
    QDateTime ranAt() const { return m_shown.ranAt; }

    // Empties the list and the count; the number typed for the prize check stays.
    void clear();
    // What is shown, with the conditions it was run with: a copy, to be put back by restore().
    Shown current() const;
    const ConditionInputs& conditions() const { return m_baseline.baseline(); }
    void restore(Shown kept);

    QString resultText() const { return m_resultText; }
    const ResultList& result() const { return m_shown.result; }
    bool groupForms() const { return m_shown.groupForms; }

signals:
    // A run or conversion put a result of `count` numbers in the list.
    void shown(int count);
    // The result, or whether it still belongs to the conditions on screen, changed.
    void stateChanged();

private:
    void fillList();
    void showState();
    // As typed into the box: every text has its verdict, an emptied box "number incomplete".
    void checkPrize();
    // After a run, a conversion or a change of the conditions: a blank box waits.
    void checkPrizeAgain();
    void showReason(const QString& reason);

    const RunForm& m_form;
    ConditionsBaseline m_baseline;
    Shown m_shown;
    QString m_resultText;
};

} // namespace shrink4
