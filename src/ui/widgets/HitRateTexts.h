#pragma once
// What a hit rate over past draws says, in the same words wherever one is shown: rates to
// two significant figures, and the verdict its 95 % interval gives beside a random pick.

#include <QString>

namespace shrink4::texts {

// "38%", "2.8%", "0.09%": two significant figures, none finer than a hundredth of a point
// unless a rate above 0 would show as 0 ("0.003%").
QString ratePercent(double rate);

// Two significant figures, for a lift: "25", "1.7", "0.43", "1300".
QString twoFigures(double value);

// Whether the interval low..high of a hit rate lies above, around or below a random pick's
// rate, said of `subject` ("这条规则", "本方案") when it shows nothing.
QString hitRateVerdict(double low, double high, double baseline, const QString& subject);

// Under a rate of too few draws: "少于 30 期，不足以判断".
QString tooFewDrawsText();

} // namespace shrink4::texts
