#include "MoneyTexts.h"

#include <QRegularExpression>

#include <cmath>
#include <utility>

namespace shrink4::money {

QString amount(double value)
{
    const double rounded = std::round(value * 100) / 100;
    if (rounded == 0)
        return QStringLiteral("0");
    const bool whole = std::abs(rounded - std::round(rounded)) < 1e-9;
    return QString::number(rounded, 'f', whole ? 0 : 2);
}

QString amountIn(double value, const PrizeTable& table)
{
    const QString currency = QString::fromStdString(table.currency);
    return currency.isEmpty() ? amount(value) : QStringLiteral("%1 %2").arg(amount(value), currency);
}

QString ratePercent(double rate)
{
    return QString::number(rate * 100, 'f', 1) + QLatin1Char('%');
}

QString costLine(const PrizeOdds& odds, const PrizeTable& table)
{
    if (odds.tickets == 0)
        return QStringLiteral("共 0 注");
    return QStringLiteral("共 %1 注，%2；期望回报 %3（%4）")
        .arg(odds.tickets)
        .arg(amountIn(odds.cost, table), amountIn(odds.expectedReturn, table),
             odds.returnRate ? ratePercent(*odds.returnRate) : QStringLiteral("—"));
}

QString positionsText(unsigned positions)
{
    QString text;
    for (int p = 0; p < 4; ++p)
        if (positions & (1u << unsigned(p)))
            text += kPositionNames.at(p);
    return text;
}

QString matchText(const PrizeTier& tier)
{
    switch (tier.match) {
    case PrizeMatch::exact:
        return QStringLiteral("四位全对");
    case PrizeMatch::positions:
        return QStringLiteral("%1位对").arg(positionsText(tier.positions));
    case PrizeMatch::box:
        break;
    }
    return QStringLiteral("数字相同、顺序不限");
}

QString tierName(const PrizeTable& table, std::size_t index)
{
    const QString name = QString::fromStdString(table.tiers.at(index).name).trimmed();
    return name.isEmpty() ? QStringLiteral("第 %1 级").arg(index + 1) : name;
}

QString tableFault(const PrizeTable& table)
{
    if (table.tiers.empty())
        return QStringLiteral("至少要有一个奖级。");
    if (table.tiers.size() > std::size_t(kMaxPrizeTiers))
        return QStringLiteral("奖级最多 %1 个。").arg(kMaxPrizeTiers);
    if (!std::isfinite(table.price) || table.price <= 0)
        return QStringLiteral("每注价格要大于 0。");
    for (std::size_t i = 0; i < table.tiers.size(); ++i) {
        const PrizeTier& tier = table.tiers[i];
        const QString which = QStringLiteral("第 %1 个奖级（%2）").arg(i + 1).arg(tierName(table, i));
        if (tier.match == PrizeMatch::positions && (tier.positions == 0 || tier.positions > 0xF))
            return which + QStringLiteral("是定位，至少要勾一个位置（千、百、十、个）。");
        if (!std::isfinite(tier.prize) || tier.prize < 0)
            return which + QStringLiteral("的奖金不能小于 0。");
    }
    return {};
}

namespace {

// The refusals parsePrizeTable gives, as patterns of their English, and the Chinese for each;
// %1 and %2 take the captured parts.
struct Translation {
    const char* english;
    const char* chinese;
};
const Translation kTranslations[] = {
    {R"re(^not JSON: .* at offset (\d+)$)re", "不是 JSON 格式的文本（第 %1 个字节附近有误）"},
    {R"re(^not a prize table: .*$)re", "不是奖金表文件（要有 \"shrink4-prizes\": 1）"},
    {R"re(^unknown key "(.*)"$)re", "有不认识的项“%1”"},
    {R"re(^"(.*)" must be a text$)re", "“%1”要是文字"},
    {R"re(^"price" must be a number above 0$)re", "每注价格（price）要是大于 0 的数"},
    {R"re(^"tiers" must hold 1 to (\d+) tiers$)re", "奖级（tiers）要有 1 到 %1 个"},
    {R"re(^must be an object$)re", "写法不对，要是 {…} 括起的一项"},
    {R"re(^needs a "name" and a "match" .*$)re",
     "要有名称（name）和中奖方式（match：exact 直选、positions 定位或 box 组选）"},
    {R"re(^"positions" goes with .*$)re",
     "只有定位（\"match\": \"positions\"）的奖级写位置（positions），而且一定要写"},
    {R"re(^"positions" must list 1 to 4 positions$)re", "位置（positions）要列出 1 到 4 个"},
    {R"re(^a position is a whole number .*$)re", "位置要是 1（千）到 4（个）的整数，不能重复"},
    {R"re(^"prize" must be a number, 0 or more$)re", "奖金（prize）要是 0 或更大的数"},
};

QString translated(const QString& english)
{
    for (const Translation& t : kTranslations) {
        const QRegularExpression pattern(QString::fromUtf8(t.english));
        const QRegularExpressionMatch match = pattern.match(english);
        if (!match.hasMatch())
            continue;
        QString text = QString::fromUtf8(t.chinese);
        for (int i = 1; i <= match.lastCapturedIndex(); ++i)
            text = text.arg(match.captured(i));
        return text;
    }
    return {};
}

} // namespace

QString fileFaultText(const QString& english)
{
    static const QRegularExpression tier(QStringLiteral(R"re(^tier (\d+): (.*)$)re"));
    QString where;
    QString what = english;
    if (const QRegularExpressionMatch m = tier.match(english); m.hasMatch()) {
        where = QStringLiteral("第 %1 个奖级").arg(m.captured(1));
        what = m.captured(2);
    }
    const QString chinese = translated(what);
    if (chinese.isEmpty())
        return QStringLiteral("奖金表文件有误：%1").arg(english);
    return QStringLiteral("奖金表文件有误：%1%2")
        .arg(where.isEmpty() ? QString() : where + QStringLiteral("："), chinese);
}

} // namespace shrink4::money
