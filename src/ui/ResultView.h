#pragma once
// The result of the last run or conversion as the window shows it: the list Li_out,
// the count dadi_zhushu, and the prize check on T_duijiang that searches it.

#include "core/ResultList.h"
#include "engine/FilterRun.h"

#include <QObject>
#include <QString>

#include <optional>

namespace shrink4 {

struct RunForm;

class ResultView : public QObject {
    Q_OBJECT
public:
    explicit ResultView(const RunForm& form, QObject* parent = nullptr);

    // Replaces the shown result. groupForms: the list holds group forms, so the prize
    // check compares a drawn number by its digits sorted.
    void show(ResultList result, bool groupForms);
    // The run behind the shown result: the prize check says why a number is not in it.
    void explainWith(RunResult run) { m_run = std::move(run); }

    // Empties T_duijiang and puts the label back to its neutral caption.
    void resetPrizeCheck();

    QString resultText() const { return m_resultText; }
    const ResultList& result() const { return m_result; }
    bool groupForms() const { return m_groupForms; }

signals:
    // A run or conversion put a result of `count` numbers in the list.
    void shown(int count);

private:
    void checkPrize();
    void showReason(const QString& reason);

    const RunForm& m_form;
    ResultList m_result;
    std::optional<RunResult> m_run;
    QString m_resultText;
    bool m_groupForms = false;
};

} // namespace shrink4
