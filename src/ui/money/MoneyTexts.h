#pragma once
// The words and figures of money: amounts, the cost line beside 最后注数, what a prize
// table's tiers are called, why a table is refused, all in Chinese.

#include "engine/PrizeOdds.h"
#include "engine/PrizeTable.h"

#include <QString>
#include <QStringList>

namespace shrink4::money {

// An amount as money is written: whole amounts without decimals ("8628"), others with two
// ("1.90"); a minus sign when below 0.
QString amount(double value);
// With the table's currency: "8628 元".
QString amountIn(double value, const PrizeTable& table);
// A return rate to a tenth of a point: "66.5%".
QString ratePercent(double rate);

// Beside 最后注数: "共 352 注，704 元；期望回报 352 元（50.0%）"; without tickets "共 0 注".
QString costLine(const PrizeOdds& odds, const PrizeTable& table);

// The match kinds as the window names them, in PrizeMatch order.
inline const QStringList kMatchNames = {QStringLiteral("直选"), QStringLiteral("定位"), QStringLiteral("组选")};
// The positions 1..4.
inline const QStringList kPositionNames = {QStringLiteral("千"), QStringLiteral("百"), QStringLiteral("十"),
                                           QStringLiteral("个")};
// "千百十个" of the positions set in a tier's mask: "百十个".
QString positionsText(unsigned positions);
// How a tier is won, in words: "四位全对", "百十个位对", "数字相同、顺序不限".
QString matchText(const PrizeTier& tier);
// The tier's name, or "第 N 级" when it has none.
QString tierName(const PrizeTable& table, std::size_t index);

// Why the table cannot be used, naming the tier; empty when it can.
QString tableFault(const PrizeTable& table);

// A prize table file's refusal (parsePrizeTable's English) in Chinese.
QString fileFaultText(const QString& english);

} // namespace shrink4::money
