#include "HistoryTexts.h"

#include "ui/widgets/QtText.h"

namespace shrink4::texts {

namespace {

QString percent(double rate)
{
    return QString::number(rate * 100.0, 'f', 2) + QLatin1Char('%');
}

QString labelOf(const Draw& draw)
{
    return draw.label ? QString::fromStdString(*draw.label) : QString();
}

QString drawsFaultReason(const DrawsReading& r)
{
    switch (r.fault) {
    case DrawsFault::NoNumber:
        return QStringLiteral(
                   "第 %1 行读不出开奖号码，行末应是一组四位数字（如 2024001 1234）"
                   "或四个单独的数字（如 2024001,1,2,3,4）。")
            .arg(r.line);
    case DrawsFault::DigitsAfterLabel:
        return QStringLiteral("第 %1 行在期号 %2 与行末号码之间还有数字：可能是两期写在了一行，或号码不止四位。")
            .arg(r.line)
            .arg(toQString(r.label));
    case DrawsFault::LabelRedrawn:
        return QStringLiteral("第 %1 行的期号 %2 在第 %3 行已出现，号码却不同。")
            .arg(r.line)
            .arg(toQString(r.label))
            .arg(r.firstLine);
    case DrawsFault::ColumnDigits:
    case DrawsFault::NoLabel:
        return QStringLiteral("第 %1 行不合导入设置。").arg(r.line);
    case DrawsFault::NoDraw:
    case DrawsFault::None:
        break;
    }
    return QStringLiteral("没有开奖号码（每行一期，行末是四位号码，如 2024001 1234）。");
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

QString badLineReason(const BadDrawLine& bad)
{
    switch (bad.fault) {
    case DrawsFault::DigitsAfterLabel:
        return QStringLiteral("期号 %1 与行末号码之间还有数字").arg(toQString(bad.label));
    case DrawsFault::LabelRedrawn:
        return QStringLiteral("期号 %1 在第 %2 行已出现，号码不同").arg(toQString(bad.label)).arg(bad.firstLine);
    default:
        break;
    }
    return QStringLiteral("行末不是四位号码");
}

} // namespace

QString badLineText(const BadDrawLine& bad, const QString& lineText)
{
    return QStringLiteral("第 %1 行%2：%3").arg(bad.line).arg(quoted(lineText), badLineReason(bad));
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

QString drawsFaultText(const DrawsReading& reading, const QString& source)
{
    return QStringLiteral("%1：%2").arg(source, drawsFaultReason(reading));
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
    const QString lift = s.lift ? QString::number(*s.lift, 'f', 2) : QStringLiteral("—");
    QString text = QStringLiteral("%1：入选 %2 期，命中率 %3（随机选同样注数：%4），是随机的 %5 倍\n")
                       .arg(span)
                       .arg(s.listed)
                       .arg(percent(s.hitRate), percent(s.baseline), lift);
    text += QStringLiteral("本方案 %1 注").arg(s.survivors);
    if (s.survivors == 0)
        text += QStringLiteral("（没有号码入选）");
    if (s.outsidePool > 0)
        text += QStringLiteral("；%1 期不在大底（不论条件都不入选）").arg(s.outsidePool);
    text += QStringLiteral("；最长连续未中 %1 期，当前连续未中 %2 期").arg(s.longestMissRun).arg(s.currentMissRun);
    return text;
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
