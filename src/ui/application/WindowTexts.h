#pragma once
// The window's own captions and messages, kept as data so that the panels only lay
// them out.

#include "conditions/ConditionTable.h"

#include <QString>
#include <QStringList>

#include <array>

namespace shrink4::texts {

inline const QString kWindowTitle = QStringLiteral("四星缩水");

// Paged text conditions: tab captions, and per page its boxes with the labels above them.
inline const QStringList kTabCaptions = {QStringLiteral("杀直选号码"), QStringLiteral("杀垃圾复式"),
                                         QStringLiteral("杀2码/必出2码"), QStringLiteral("杀3码/必出3码"),
                                         QStringLiteral("定位杀号")};

// The label above a page's box, where it has one.
struct BoxLabel {
    ControlId control;
    QString label;
};
inline const std::array<BoxLabel, 4> kBoxLabels = {{
    {ControlId::killTwoCodes, QStringLiteral("杀两码组合（格式 ** **）")},
    {ControlId::mustTwoCodes, QStringLiteral("必出两码组合（格式  ** **）")},
    {ControlId::killThreeCodes, QStringLiteral("杀3码组合（格式 *** ***）")},
    {ControlId::mustThreeCodes, QStringLiteral("必出3码组合（格式 *** ***）")},
}};

// Sample and hint labels beside each page's boxes.
inline const std::array<QStringList, 5> kPageHints = {{
    {QStringLiteral("单式号码"), QStringLiteral("双击清空")},
    {QStringLiteral("12*78*56*89"), QStringLiteral("可多行"), QStringLiteral("双击清空")},
    {},
    {},
    {QStringLiteral("输入格式："), QStringLiteral("45**   58*9"), QStringLiteral("1**8"),
     QStringLiteral("每注空格隔开"), QStringLiteral("或换行隔开")},
}};

// Messages.
inline const QString kErrorTitle = QStringLiteral("错误提示");
inline const QString kCountRefused = QStringLiteral("出胆个数不能大于选胆个数");
inline const QString kHelpTitle = QStringLiteral("说明");
inline const QString kDanHelpTitle = QStringLiteral("胆码说明");
inline const QString kSchemeFilter = QStringLiteral("方案 (*.json)");
inline const QString kOpenSchemeCaption = QStringLiteral("打开方案");
inline const QString kSaveSchemeCaption = QStringLiteral("保存方案");
inline const QString kSaveSchemeAsCaption = QStringLiteral("方案另存为");
inline const QString kRecentSchemesCaption = QStringLiteral("最近方案");
inline const QString kSchemeGone = QStringLiteral("方案文件已不存在：\r\n%1\r\n已从最近方案中移除。");
inline const QString kExportResultCaption = QStringLiteral("导出结果");
inline const QString kNothingToExport = QStringLiteral("没有可导出的号码，请先缩水。");

// The three help texts, each line ending with a line break.
inline const QString kSpecialShapeHelp = QStringLiteral(
    "【上山】如1234、1122、1113等号码，千≤百≤十≤个，但千<个\n"
    "【下山】如4321、9000、9911等号码，千≥百≥十≥个，但千>个\n"
    "【凸型】如1230、1120、1200等号码，千<百十>个、千≤百<十>个、千<百>十≥个\n"
    "【凹型】如2105、2215、2155等号码，千>百十<个、千≥百>十<个、千>百<十≤个。\n"
    "【N型】如1205、4859、3647、5608、5712等号码，千<百>十<个\n"
    "【反N型】如2150、8495、6374、6580、7561等号码，千>百<十>个\n"
    "\n"
    "以上功能打勾表示删除\n"
    "更多说明请点下面的【使用教程】，或随时按 F1\n");

inline const QString kSpecialExclusionHelp = QStringLiteral(
    "【豹子】指0000、1111、2222、......9999这十个数字\n"
    "【散号】指无三同号、无对子号、无豹子的号码，\n"
    "如0123、0124、0125、9425、9426、9427（即无对子的号码）\n"
    "【不连】指所开号码中相邻的两个数字不是顺子，\n"
    "如0000、0002、0003、8035、8036、8035等号码\n"
    "【二连】指含有01 12 23 34 45 56 67 78 89 90组合的号码，\n"
    "如0001、0009、0010、7163、7164、7615等号码，\n"
    "组合的数字可以不挨在一起。杀二连的同时也默认杀三连、四连\n"
    "【三连】指含有012 019 089 123 234 345 456 567 678 789组合的号码，\n"
    "如0012、0098、0109、5673、5674、5675等号码，\n"
    "组合的数字不用紧挨在一起。共1800注（组选90注）。杀三连的同时也默认杀四连\n"
    "【四连】如0123、0987、1098、6543、6789、7654、7890等号码\n"
    "【对子号】指含00 11 22 33 44 55 66 77 88 99这些2码组合的号码。\n"
    "杀对子号的同时也默认杀【两个对子】和【三同号】\n"
    "【两个对子】指0022 7447 3366 8282等号码\n"
    "【三同号】指000 111 222...... 888 999这些3码组合的号码。\n"
    "\n"
    "以上功能打勾表示删除\n"
    "更多说明请点下面的【使用教程】，或随时按 F1\n");

inline const QString kDanHelp = QStringLiteral(
    "胆码说明：\n"
    "建议新手只输入一行胆码，不要输入多行胆码，胆码开出个数可不选\n"
    "----------------------------------------------------------------\n"
    "如输入多组胆码（即多行胆码），则缩水后的号码就是多组胆码的【交集】\n"
    "输入多组胆码（即多行胆码）也叫号码匹配\n"
    "【胆码开出个数】是指你选择的胆码会开出多少个，可同时选多个,\n"
    "如不选择个数将默认至少开出一个胆\n"
    "【胆码计重】比如选9为胆，如在胆码计重前的方框打勾，则99算2胆、999算3胆、\n"
    "9999算4胆；\n"
    "如不选择胆码计重则重复的胆码算1胆，比如选9为胆，99 、999 、9999都只算一个\n"
    "胆码\n"
    "\n"
    "如不懂使用请点下面的【使用教程】，或随时按 F1\n");

struct Help {
    const QString& title;
    const QString& text;
};
// By HelpTopic.
inline const std::array<Help, 3> kHelp = {{
    {kHelpTitle, kSpecialShapeHelp},
    {kHelpTitle, kSpecialExclusionHelp},
    {kDanHelpTitle, kDanHelp},
}};

} // namespace shrink4::texts
