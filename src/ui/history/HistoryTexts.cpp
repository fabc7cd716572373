#include "HistoryTexts.h"

#include "engine/HitRateInterval.h"
#include "ui/history/LayoutTexts.h"
#include "ui/money/MoneyTexts.h"
#include "ui/widgets/HitRateTexts.h"
#include "ui/widgets/QtText.h"

namespace shrink4::texts {

namespace {

QString labelOf(const Draw& draw)
{
    return draw.label ? QString::fromStdString(*draw.label) : QString();
}

// Long enough to recognise a line, short enough for the list's width.
constexpr qsizetype kQuotedLength = 24;

QString quoted(QString text)
{
    if (text.size() > kQuotedLength) {
        qsizetype cut = kQuotedLength - 1;
        if (text.at(cut - 1).isHighSurrogate())
            --cut;
        text = text.left(cut) + QStringLiteral("…");
    }
    return QStringLiteral("“%1”").arg(text);
}

// What the finding points at in the line, quoted.
QString foundText(const QByteArray& line, const LineFinding& finding)
{
    return quoted(QString::fromUtf8(line.mid(qsizetype(finding.begin), qsizetype(finding.end - finding.begin))));
}

const QString kChooseDigits = QStringLiteral("如果是%1开奖号码，请在【导入设置…】里选位数和取哪四位。");

// A line whose last digits are too many for the layout: more digits than a draw, or more
// single digits. Past seven no layout reads them.
QString tooManyDigits(const DrawsReading& r)
{
    const bool group = r.finding.kind == FindingKind::longNumber;
    const QString what = group ? QStringLiteral("第 %1 行末尾的号码有 %2 位").arg(r.line).arg(r.finding.digits)
                               : QStringLiteral("第 %1 行末尾有 %2 个单独的数字").arg(r.line).arg(r.finding.digits);
    if (r.finding.digits > kMaxDrawDigits)
        return what + QStringLiteral("，比开奖号码多：可能是两期写在了一行。");
    return what + QStringLiteral("：") + kChooseDigits.arg(digitsName(r.finding.digits));
}

QString noNumberReason(const DrawsReading& r, const QByteArray& line, const DrawsLayout& layout)
{
    switch (r.finding.kind) {
    case FindingKind::longNumber:
        return tooManyDigits(r);
    case FindingKind::columnsAfter:
        return QStringLiteral(
                   "第 %1 行号码后面还有一列别的数字（%2），像是试机号或销量：请在【导入设置…】里指定哪一列是号码。")
            .arg(r.line)
            .arg(foundText(line, r.finding));
    default:
        break;
    }
    if (layout.digits != 4)
        return QStringLiteral("第 %1 行读不出开奖号码：按现在的读法，行末应是一组 %2 位数字或 %2 个单独的数字。")
            .arg(r.line)
            .arg(layout.digits);
    return QStringLiteral(
               "第 %1 行读不出开奖号码，行末应是一组四位数字（如 2024001 1234）"
               "或四个单独的数字（如 2024001,1,2,3,4）。")
        .arg(r.line);
}

QString digitsAfterLabelReason(const DrawsReading& r, const QByteArray& line)
{
    if (r.finding.kind == FindingKind::longSingles)
        return tooManyDigits(r);
    const QString between = r.finding.kind == FindingKind::digitsBetween
                                ? QStringLiteral("（%1）").arg(foundText(line, r.finding))
                                : QString();
    return QStringLiteral(
               "第 %1 行在期号 %2 与行末号码之间还有数字%3：可能是两期写在了一行；"
               "如果是另一列或号码不止四位，请在【导入设置…】里指定。")
        .arg(r.line)
        .arg(toQString(r.label), between);
}

QString drawsFaultReason(const DrawsReading& r, const QByteArray& line, const DrawsLayout& layout)
{
    switch (r.fault) {
    case DrawsFault::NoNumber:
        return noNumberReason(r, line, layout);
    case DrawsFault::DigitsAfterLabel:
        return digitsAfterLabelReason(r, line);
    case DrawsFault::LabelRedrawn:
        return QStringLiteral("第 %1 行的期号 %2 在第 %3 行已出现，号码却不同。")
            .arg(r.line)
            .arg(toQString(r.label))
            .arg(r.firstLine);
    case DrawsFault::ColumnDigits:
        return QStringLiteral("第 %1 行的号码列里有 %2 个数字，应为 %3 个。")
            .arg(r.line)
            .arg(r.found)
            .arg(layout.digits);
    case DrawsFault::NoLabel:
        return QStringLiteral("第 %1 行的期号列里没有数字。").arg(r.line);
    case DrawsFault::NoDraw:
    case DrawsFault::None:
        break;
    }
    if (!layout.columns.empty())
        return QStringLiteral("没有开奖号码：按现在的读法，没有一行的号码列里有数字。");
    return QStringLiteral("没有开奖号码（每行一期，行末是%1号码，如 2024001 1234）。").arg(digitsName(layout.digits));
}

} // namespace

QString badLineReason(const BadDrawLine& bad, const QByteArray& line, const DrawsLayout& layout)
{
    switch (bad.fault) {
    case DrawsFault::DigitsAfterLabel:
        if (bad.finding.kind == FindingKind::longSingles)
            return QStringLiteral("末尾有 %1 个单独的数字").arg(bad.finding.digits);
        return QStringLiteral("期号 %1 与行末号码之间还有数字").arg(toQString(bad.label));
    case DrawsFault::LabelRedrawn:
        return QStringLiteral("期号 %1 在第 %2 行已出现，号码不同").arg(toQString(bad.label)).arg(bad.firstLine);
    case DrawsFault::ColumnDigits:
        return QStringLiteral("号码列里有 %1 个数字，应为 %2 个").arg(bad.found).arg(layout.digits);
    case DrawsFault::NoLabel:
        return QStringLiteral("期号列里没有数字");
    default:
        break;
    }
    if (bad.finding.kind == FindingKind::longNumber)
        return QStringLiteral("末尾的号码有 %1 位").arg(bad.finding.digits);
    if (bad.finding.kind == FindingKind::columnsAfter)
        return QStringLiteral("号码后面还有一列别的数字（%1），像是试机号或销量").arg(foundText(line, bad.finding));
    return QStringLiteral("行末不是%1号码").arg(digitsName(layout.digits));
}

QString badLineText(const BadDrawLine& bad, const QByteArray& line, const DrawsLayout& layout)
{
    return QStringLiteral("第 %1 行%2：%3")
        .arg(bad.line)
        .arg(quoted(QString::fromUtf8(line)), badLineReason(bad, line, layout));
}

QString moreBadLinesText(std::size_t more)
{
    return QStringLiteral("另有 %1 行有误").arg(more);
}

QString badLinesHint(std::size_t count, bool inBox)
{
    QString hint = count > 1 ? QStringLiteral("共有 %1 行有误，都列在框下；点一行即在框中选中它。").arg(count)
                             : QStringLiteral("点框下列出的这一行即在框中选中它。");
    if (inBox)
        hint += QStringLiteral("\n文件的内容已放入框中，改正后按【%1】。").arg(kApplyDraws);
    return hint;
}

QString drawsFaultText(const DrawsReading& reading, const QString& source, const QByteArray& line,
                       const DrawsLayout& layout)
{
    return QStringLiteral("%1：%2").arg(source, drawsFaultReason(reading, line, layout));
}

QString keptDrawsText(const std::vector<Draw>& draws)
{
    if (draws.empty())
        return QStringLiteral("还没有开奖号码。");
    const QString first = labelOf(draws.front());
    const QString last = labelOf(draws.back());
    if (first.isEmpty() || last.isEmpty())
        return QStringLiteral("已有 %1 期开奖号码（按文本顺序，最后一行为最新）。").arg(draws.size());
    return QStringLiteral("已有 %1 期开奖号码（%2 至 %3）。").arg(draws.size()).arg(first, last);
}

QString backtestSummaryText(const BacktestSummary& s, int allDraws)
{
    const QString span = s.draws == allDraws ? QStringLiteral("回测 %1 期").arg(s.draws)
                                             : QStringLiteral("回测最近 %1 期（共 %2 期）").arg(s.draws).arg(allDraws);
    const QString lift = s.lift ? twoFigures(*s.lift) : QStringLiteral("—");
    // A no-break space keeps the lift and its 倍 on one line however the label wraps.
    QString text =
        QStringLiteral("%1：入选 %2 期，命中率 %3，95% 把握在 %4–%5 之间；随机选同样注数为 %6，是随机的 %7\u00A0倍\n")
            .arg(span)
            .arg(s.listed)
            .arg(ratePercent(s.hitRate), ratePercent(s.hitRateLow), ratePercent(s.hitRateHigh), ratePercent(s.baseline),
                 lift);
    text += QStringLiteral("本方案 %1 注").arg(s.survivors);
    if (s.survivors == 0)
        text += QStringLiteral("（没有号码入选）");
    if (s.outsidePool > 0)
        text += QStringLiteral("；%1 期不在大底（不论条件都不入选）").arg(s.outsidePool);
    text += QStringLiteral("；最长连续未中 %1 期，当前连续未中 %2 期").arg(s.longestMissRun).arg(s.currentMissRun);
    return text;
}

QString backtestMoneyText(double paid, double cost, double expectedNet, int tickets, const PrizeTable& table)
{
    const auto signedAmount = [&table](double value) {
        return (money::amount(value).startsWith(QLatin1Char('-')) || money::amount(value) == QLatin1String("0")
                    ? QString()
                    : QStringLiteral("+"))
               + money::amountIn(value, table);
    };
    return QStringLiteral("按奖金表“%1”，每期买这 %2 注：投入 %3，奖金 %4，盈亏 %5；按期望回报算应为 %6")
        .arg(QString::fromStdString(table.name))
        .arg(tickets)
        .arg(money::amountIn(cost, table), money::amountIn(paid, table), signedAmount(paid - cost),
             signedAmount(expectedNet));
}

QString backtestVerdictText(const BacktestSummary& s)
{
    // A few lucky draws put the interval clear of a small random rate: too few to call it skill.
    if (s.draws < kFewestDrawsToJudge && !showsNoSkill(s.hitRateLow, s.hitRateHigh, s.baseline))
        return QStringLiteral("只回测了 %1 期：%2。").arg(s.draws).arg(tooFewDrawsText());
    return hitRateVerdict(s.hitRateLow, s.hitRateHigh, s.baseline, QStringLiteral("本方案"));
}

QString drawSpanText(const std::vector<DrawOutcome>& outcomes, std::size_t first, std::size_t last)
{
    QString from = labelOf(outcomes[first].draw);
    QString to = labelOf(outcomes[last].draw);
    if (from.isEmpty() || to.isEmpty()) {
        from = QStringLiteral("第%1期").arg(first + 1);
        to = QStringLiteral("第%1期").arg(last + 1);
    }
    return first == last ? from : QStringLiteral("%1–%2").arg(from, to);
}

} // namespace shrink4::texts
