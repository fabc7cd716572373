#include "Tooltips.h"

#include "ui/main/ConditionForm.h"
#include "ui/main/PagedConditions.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QPushButton>
#include <QString>

#include <array>

namespace shrink4 {

namespace {

// By Frame; the paged text conditions have one line per page instead.
const std::array<QString, kFrameCount> kFrameTips = {
    QString(),
    QStringLiteral("只在这些号码里缩水：填入大底号码，空着则用全部 10000 注"),
    QStringLiteral("勾选的 AC 值、和值、通杀码、跨度、和尾的号码被删除"),
    QStringLiteral("每行一组胆码：号码须含本组胆码，可选胆码开出的个数"),
    QStringLiteral("勾选的数字在对应位置上出现的号码被删除"),
    QStringLiteral("号码不符合的条件个数在这个范围内时仍然保留"),
    QStringLiteral("勾选的大小形态（0-4 小，5-9 大）被删除"),
    QStringLiteral("勾选的奇偶形态被删除"),
    QStringLiteral("勾选的质合形态（1 2 3 5 7 为质）被删除"),
    QStringLiteral("勾选的 012 路形态（除以 3 的余数）被删除"),
    QStringLiteral("勾选的特殊形态被删除，点“说明”看各形态的意思"),
    QStringLiteral("勾选的号码类型被删除，点“说明”看各类型的意思"),
};

// By tab of the paged text conditions.
const std::array<QString, 5> kPageTips = {
    QStringLiteral("填入的单式号码被删除"),
    QStringLiteral("填入的复式（如 12*78*56*89）展开后的号码被删除"),
    QStringLiteral("含所填两码组合的号码被删除，或只保留含有它们的号码"),
    QStringLiteral("含所填三码组合的号码被删除，或只保留含有它们的号码"),
    QStringLiteral("按位置填写（如 45**），符合的号码被删除"),
};

struct ButtonTip {
    QPushButton* RunForm::*button;
    QString tip;
};
const std::array<ButtonTip, 7> kRunTips = {{
    {&RunForm::start, QStringLiteral("按全部条件过滤 0000-9999，列出剩下的号码（F5）")},
    {&RunForm::convert, QStringLiteral("把结果换成组选号码（四个数字从小到大排）")},
    {&RunForm::copy, QStringLiteral("把结果复制到剪贴板")},
    {&RunForm::clearAll, QStringLiteral("清空全部条件，可立即撤销")},
    {&RunForm::setTool, QStringLiteral("打开交集工具：求两组号码的交集、并集和差集")},
    {&RunForm::spliceTool, QStringLiteral("打开拼接工具：由二码、三码拼出四星、五星号码")},
    {&RunForm::exportResult, QStringLiteral("把结果保存为文本文件或 CSV 表格")},
}};

const QString kTickAllTip = QStringLiteral("勾选本框的全部选项");
const QString kClearRowTip = QStringLiteral("取消这一行的全部勾选");
const QString kClearFrameTip = QStringLiteral("取消本框的全部勾选");
const QString kSumValueClearTip = QStringLiteral("清空杀和值");
const QString kDanClearTip = QStringLiteral("取消这一组的胆码和开出个数");
const QString kDanAllTip = QStringLiteral("选中这一组的全部胆码，开出 1 至 4 个");
const QString kDanDigitTip = QStringLiteral("点一下选为这一组的胆码，再点取消");
const QString kDanCountTip = QStringLiteral("这一组胆码开出的个数，可多选；不选为至少开出 1 个");
const std::array<QString, kHelpTopics> kHelpTips = {
    QStringLiteral("查看各特殊形态的说明"),
    QStringLiteral("查看特别排除各项的说明"),
    QStringLiteral("查看胆码的用法"),
};

void addButtonTips(const ConditionForm& form)
{
    for (const CheckSpanButton& span : form.spanButtons) {
        // The shape frames' 清 clear the whole frame; elsewhere each row has its own.
        const bool wholeFrame = controlMeta(span.control).frame >= Frame::BigSmallShape;
        span.button->setToolTip(span.tick ? kTickAllTip : wholeFrame ? kClearFrameTip : kClearRowTip);
    }
    form.sumValueClear->setToolTip(kSumValueClearTip);
    for (QAbstractButton* b : form.danClear)
        b->setToolTip(kDanClearTip);
    for (QAbstractButton* b : form.danSelectAll)
        b->setToolTip(kDanAllTip);
    for (QAbstractButton* b : form[ControlId::danDigits].toggles)
        b->setToolTip(kDanDigitTip);
    for (QAbstractButton* b : form[ControlId::danHitCounts].toggles)
        b->setToolTip(kDanCountTip);
    for (int topic = 0; topic < kHelpTopics; ++topic)
        form.help[std::size_t(topic)]->setToolTip(kHelpTips[std::size_t(topic)]);
}

} // namespace

void addTooltips(const ConditionForm& form, const RunForm& run)
{
    for (int f = 0; f < kFrameCount; ++f)
        if (QGroupBox* frame = form.frames[std::size_t(f)])
            frame->setToolTip(kFrameTips[std::size_t(f)]);
    for (int page = 0; page < int(kPageTips.size()); ++page)
        form.pages->setTabToolTip(page, kPageTips[std::size_t(page)]);
    for (const ButtonTip& t : kRunTips)
        (run.*t.button)->setToolTip(t.tip);
    addButtonTips(form);
}

} // namespace shrink4
