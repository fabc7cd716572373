#include "Tooltips.h"

#include "ui/main/ConditionForm.h"
#include "ui/main/PagedConditions.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/textbox/TextBox.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QString>

#include <algorithm>
#include <array>

namespace shrink4 {

namespace {

// Frames and pages of several controls that are said together; any other frame or page
// says what its first control does, in that control's own words from the table.
struct FrameTip {
    Frame frame;
    QString tip;
};
const std::array<FrameTip, 2> kFrameTips = {{
    {Frame::SumSpanDan, QStringLiteral("勾选的 AC 值、和值、通杀码、跨度、和尾的号码被删除")},
    {Frame::Dan, QStringLiteral("每行一组胆码：号码须含本组胆码，可选胆码开出的个数")},
}};

struct PageTip {
    int page;
    QString tip;
};
const std::array<PageTip, 2> kPageTips = {{
    {2, QStringLiteral("含所填两码组合的号码被删除，或只保留含有它们的号码")},
    {3, QStringLiteral("含所填三码组合的号码被删除，或只保留含有它们的号码")},
}};

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
    {&RunForm::exportResult, QStringLiteral("把结果保存为文本文件、CSV 表格或 Excel 工作簿")},
}};

const QString kTickAllTip = QStringLiteral("勾选本框的全部选项");
const QString kClearRowTip = QStringLiteral("取消这一行的全部勾选");
const QString kClearFrameTip = QStringLiteral("取消本框的全部勾选");
const QString kDanClearTip = QStringLiteral("取消这一组的胆码和开出个数");
const QString kDanAllTip = QStringLiteral("选中这一组的全部胆码，开出 1 至 4 个");
const std::array<QString, kHelpTopics> kHelpTips = {
    QStringLiteral("查看各特殊形态的说明"),
    QStringLiteral("查看特别排除各项的说明"),
    QStringLiteral("查看胆码的用法"),
};

template <class Holds>
QString firstControlTip(Holds holds)
{
    for (const ControlMeta& meta : kControlMetas)
        if (holds(meta))
            return toQString(meta.tip);
    return {};
}

QString frameTip(Frame frame)
{
    for (const FrameTip& t : kFrameTips)
        if (t.frame == frame)
            return t.tip;
    return firstControlTip([frame](const ControlMeta& meta) { return meta.frame == frame; });
}

QString pageTip(int page)
{
    for (const PageTip& t : kPageTips)
        if (t.page == page)
            return t.tip;
    return firstControlTip([page](const ControlMeta& meta) { return meta.page == page; });
}

bool aloneInFrame(const ControlMeta& control)
{
    const auto inItsFrame = [&control](const ControlMeta& meta) { return meta.frame == control.frame; };
    return std::count_if(kControlMetas.begin(), kControlMetas.end(), inItsFrame) == 1;
}

// A box's 清 empties it; a row's unticks the row, or the frame when the row is all of it.
QString clearTip(const ControlMeta& meta)
{
    if (meta.kind != ControlKind::CheckRow)
        return QStringLiteral("清空%1").arg(toQString(meta.caption));
    return aloneInFrame(meta) ? kClearFrameTip : kClearRowTip;
}

void addControlTips(const ControlMeta& meta, const ControlWidgets& w)
{
    const QString tip = toQString(meta.tip);
    for (QWidget* box : w.texts)
        box->setToolTip(tip);
    for (QWidget* box : w.checks)
        box->setToolTip(tip);
    for (QWidget* button : w.toggles)
        button->setToolTip(tip);
    if (w.clear)
        w.clear->setToolTip(clearTip(meta));
}

void addButtonTips(const ConditionForm& form)
{
    for (const CheckSpanButton& span : form.spanButtons)
        span.button->setToolTip(span.tick ? kTickAllTip : kClearRowTip);
    for (QAbstractButton* b : form.danClear)
        b->setToolTip(kDanClearTip);
    for (QAbstractButton* b : form.danSelectAll)
        b->setToolTip(kDanAllTip);
    for (int topic = 0; topic < kHelpTopics; ++topic)
        form.help[std::size_t(topic)]->setToolTip(kHelpTips[std::size_t(topic)]);
}

} // namespace

void addTooltips(const ConditionForm& form, const RunForm& run)
{
    for (int f = 0; f < kFrameCount; ++f)
        if (QGroupBox* frame = form.frames[std::size_t(f)])
            frame->setToolTip(frameTip(Frame(f)));
    for (int page = 0; page < form.pages->count(); ++page)
        form.pages->setPageTip(page, pageTip(page));
    for (const ControlMeta& meta : kControlMetas)
        addControlTips(meta, form[meta.id]);
    for (const ButtonTip& t : kRunTips)
        (run.*t.button)->setToolTip(t.tip);
    addButtonTips(form);
}

} // namespace shrink4
