#include "HitRateTexts.h"

#include "engine/HitRateInterval.h"

#include <algorithm>
#include <cmath>

namespace shrink4::texts {

namespace {

// Decimals for two significant figures of v, but none finer than `finest` unless v > 0
// would then show as 0: one figure is enough there.
int decimalsFor(double v, int finest)
{
    if (v <= 0)
        return 0;
    const int magnitude = int(std::floor(std::log10(v)));
    return std::max(0, std::min(1 - magnitude, std::max(finest, -magnitude)));
}

QString withoutTrailingZeros(QString text)
{
    if (!text.contains(QLatin1Char('.')))
        return text;
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

QString figures(double value, int finest)
{
    return withoutTrailingZeros(QString::number(value, 'f', decimalsFor(value, finest)));
}

} // namespace

QString ratePercent(double rate)
{
    return figures(rate * 100.0, 2) + QLatin1Char('%');
}

QString twoFigures(double value)
{
    return figures(value, 9);
}

QString hitRateVerdict(double low, double high, double baseline, const QString& subject)
{
    if (showsNoSkill(low, high, baseline))
        return QStringLiteral("%1在历史上没有显示出优势。").arg(subject);
    return low > baseline ? QStringLiteral("命中率高于随机选同样注数（95% 区间在随机命中率之上）。")
                          : QStringLiteral("命中率低于随机选同样注数。");
}

QString tooFewDrawsText()
{
    return QStringLiteral("少于 %1 期，不足以判断").arg(kFewestDrawsToJudge);
}

} // namespace shrink4::texts
