#pragma once
// The history view's captions and messages: the captions as data, the messages built
// from the engine's findings.

#include "engine/Backtest.h"
#include "engine/BadDrawLines.h"
#include "engine/Draws.h"
#include "engine/PrizeTable.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace shrink4::texts {

inline const QString kHistoryTitle = QStringLiteral("历史回测");
inline const QString kApplyDraws = QStringLiteral("使用框中号码");
inline const QString kImportDraws = QStringLiteral("导入文件(&I)…");
inline const QString kRevertDraws = QStringLiteral("还原");
inline const QString kDrawsFilter = QStringLiteral("开奖号码 (*.txt *.csv);;所有文件 (*)");
inline const QString kDrawsHint = QStringLiteral(
    "每行一期：期号和四位号码，如\n2024001 1234\n2024002,5,6,7,8\n"
    "粘贴或导入后按【使用框中号码】\n"
    "五位号码或带日期、试机号的文件：按【导入设置…】");
inline const QString kLastCaption = QStringLiteral("只看最近");
inline const QString kLastAll = QStringLiteral("全部");
inline const QString kLastSuffix = QStringLiteral(" 期");
inline const QStringList kOutcomeColumns = {
    QStringLiteral("期号"), QStringLiteral("号码"), QStringLiteral("入选"), QStringLiteral("未过条件数"),
    QStringLiteral("奖金"), QStringLiteral("投入"), QStringLiteral("盈亏"), QStringLiteral("未通过的条件")};
inline const QString kListedMark = QStringLiteral("✓");
inline const QString kMissedMark = QStringLiteral("✗");
inline const QString kOutsidePool = QStringLiteral("不在大底");
inline const QString kNoLabel = QStringLiteral("—");
inline const QStringList kChartTabs = {QStringLiteral("逐期结果"), QStringLiteral("入选走势"),
                                       QStringLiteral("各条件淘汰率")};
inline const QString kListedSeries = QStringLiteral("入选");
inline const QString kMissedSeries = QStringLiteral("未入选：不符条件");
inline const QString kOutsidePoolSeries = QStringLiteral("未入选：不在大底");
inline const QString kExpectedSeries = QStringLiteral("随机选同样注数的期望入选");
inline const QString kRateSeries = QStringLiteral("淘汰的开奖号码占比（%）");
inline const QString kBoxEdited = QStringLiteral("框中的文本已改动，按【使用框中号码】后才生效。");
inline const QString kNothingImported = QStringLiteral("没有导入任何号码，原有的开奖号码不变。");
inline const QString kChooseDraw = QStringLiteral("点一期，这里写出它未通过的全部条件。");
inline const QString kNoConditionRows = QStringLiteral("没有参与的条件");

// Why a text read with `layout` gave no draws, naming the line and what it holds instead
// (quoted from `line`, the refused line in UTF-8); `source` says where the text came from.
QString drawsFaultText(const DrawsReading& reading, const QString& source, const QByteArray& line,
                       const DrawsLayout& layout);

// Why one line was refused, briefly: "末尾的号码有 5 位".
QString badLineReason(const BadDrawLine& bad, const QByteArray& line, const DrawsLayout& layout);

// One bad line as the list under the box shows it, quoted and shortened when long:
// "第 4 行“2024008 12”：行末不是四位号码".
QString badLineText(const BadDrawLine& bad, const QByteArray& line, const DrawsLayout& layout);

// The last entry of that list when it shows only the first lines: "另有 12 行有误".
QString moreBadLinesText(std::size_t more);

// What the message after a refused text adds: how many lines are wrong and where they
// are listed; `inBox` when the text was put into the box for mending.
QString badLinesHint(std::size_t count, bool inBox);

// "已有 300 期开奖号码（2024001 至 2024300）", or that there are none.
QString keptDrawsText(const std::vector<Draw>& draws);

// The backtest's summary: the hit rate with its 95 % interval beside the baseline, the
// lift, the miss runs.
QString backtestSummaryText(const BacktestSummary& summary, int allDraws);

// What the listed numbers, bought on every draw tested, would have cost and paid by the prize
// table, beside what the expected return gives over as many draws: "按奖金表“示例”，每期买这
// 12 注：投入 240 元，奖金 1000 元，盈亏 +760 元；按期望回报算应为 -98.40 元".
QString backtestMoneyText(double paid, double cost, double expectedNet, int tickets, const PrizeTable& table);

// What the summary shows, in a sentence: whether the scheme did better than a random pick,
// no better, or over too few draws to judge.
QString backtestVerdictText(const BacktestSummary& summary);

// The draws of one bar of the time chart: "2024001" or "2024001–2024010"; positions
// when the draws have no labels.
QString drawSpanText(const std::vector<DrawOutcome>& outcomes, std::size_t first, std::size_t last);

} // namespace shrink4::texts
