#include "PrizeReason.h"

#include "ui/widgets/QtText.h"
#include "engine/Statistics.h"

#include <QStringList>

namespace shrink4 {

QString prizeReason(const RunResult& run, int number)
{
    const NumberExplanation e = explainNumber(run, number);
    QStringList parts;
    if (!e.inPool)
        parts << QStringLiteral("不在大底");
    // A number the verdict keeps fails no condition that removes it.
    if (!run.verdict.test(number)) {
        QStringList captions;
        for (const ConditionRow& row : run.rows)
            if (row.fails.test(number))
                captions << toQString(rowCaption(row));
        parts << (captions.isEmpty() ? QStringLiteral("不符 0 项，在总容错外")
                                     : QStringLiteral("不符：%1").arg(captions.join(QStringLiteral("、"))));
    }
    return e.listed ? QString() : parts.join(QStringLiteral("；"));
}

int drawnNumber(const QString& typed)
{
    const QString t = typed.trimmed();
    if (t.size() != 4)
        return -1;
    for (QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
    return t.toInt();
}

} // namespace shrink4
