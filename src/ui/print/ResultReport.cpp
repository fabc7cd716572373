#include "ResultReport.h"

#include "ui/main/ResultView.h"
#include "ui/widgets/QtText.h"
#include "engine/FilterRun.h"
#include "engine/Notes.h"

#include <QFileInfo>
#include <QStringList>

namespace shrink4 {

namespace {

QString notesOf(const ConditionInputs& conditions)
{
    QStringList parts;
    for (const Note& note : conditionNotes(conditions))
        parts << QStringLiteral("%1：%2").arg(toQString(controlMeta(note.control).caption), toQString(note.text));
    return parts.join(QStringLiteral("；"));
}

} // namespace

ResultReport makeResultReport(const ResultView& view, const QString& schemePath)
{
    ResultReport report;
    report.scheme = schemePath.isEmpty() ? QStringLiteral("未保存的方案") : QFileInfo(schemePath).completeBaseName();
    report.ranAt = view.ranAt();
    report.numbers = view.result().numbers;
    report.groupForms = view.groupForms();
    report.notes = notesOf(view.conditions());
    report.rows = runStatistics(filterRun(view.conditions())).rows;
    return report;
}

QString numbersCaption(const ResultReport& report)
{
    return report.groupForms ? QStringLiteral("组选号码") : QStringLiteral("直选号码");
}

QString reportTitle(const ResultReport& report)
{
    const QString when =
        report.ranAt.isValid() ? report.ranAt.toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QStringLiteral("未缩水");
    // One pass: a scheme named "%1" stays as named.
    return QStringLiteral("方案：%1　　缩水于 %2　　共 %3 注%4")
        .arg(report.scheme, when, QString::number(report.numbers.size()),
             report.groupForms ? QStringLiteral("（组选）") : QString());
}

QString notesLine(const ResultReport& report)
{
    return QStringLiteral("条件说明：") + (report.notes.isEmpty() ? QStringLiteral("各条件按所见读入") : report.notes);
}

} // namespace shrink4
