#include "PrizeReason.h"

#include "ui/widgets/QtText.h"
#include "engine/FilterRun.h"
#include "engine/Statistics.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <vector>

namespace shrink4 {

namespace {

QStringList failedCaptions(const RunResult& run, int number)
{
    QStringList captions;
    for (const ConditionRow& row : run.rows)
        if (row.fails.test(number))
            captions << toQString(rowCaption(row));
    return captions;
}

// Every order of the number's digits, each once.
std::vector<int> orders(int number)
{
    std::array<int, 4> digits{number / 1000, number / 100 % 10, number / 10 % 10, number % 10};
    std::sort(digits.begin(), digits.end());
    std::vector<int> all;
    do
        all.push_back(((digits[0] * 10 + digits[1]) * 10 + digits[2]) * 10 + digits[3]);
    while (std::next_permutation(digits.begin(), digits.end()));
    return all;
}

QString groupReason(const RunResult& run, int number)
{
    const std::vector<int> all = orders(number);
    int outside = 0;
    std::vector<QStringList> failing;
    for (int n : all) {
        if (run.verdict.test(n) && !run.outsidePool.test(n))
            return QString(); // one order listed lists the group
        outside += run.outsidePool.test(n) ? 1 : 0;
        failing.push_back(failedCaptions(run, n));
    }
    QStringList parts{QStringLiteral("组选 %1 的 %2 个排列都未入选").arg(fourDigits(all.front())).arg(all.size())};
    if (outside > 0)
        parts << (outside == int(all.size()) ? QStringLiteral("都不在大底")
                                             : QStringLiteral("%1 个不在大底").arg(outside));
    QStringList common = failing.front();
    for (const QStringList& f : failing)
        common.erase(std::remove_if(common.begin(), common.end(), [&f](const QString& c) { return !f.contains(c); }),
                     common.end());
    if (!common.isEmpty())
        parts << QStringLiteral("都不符：%1").arg(common.join(QStringLiteral("、")));
    return parts.join(QStringLiteral("；"));
}

} // namespace

QString prizeReason(const RunResult& run, int number, bool groupForms)
{
    if (groupForms)
        return groupReason(run, number);
    const NumberExplanation e = explainNumber(run, number);
    QStringList parts;
    if (!e.inPool)
        parts << QStringLiteral("不在大底");
    // A number the verdict keeps fails no condition that removes it.
    if (!run.verdict.test(number)) {
        const QStringList captions = failedCaptions(run, number);
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
