#include "ResultPanels.h"

#include "ui/guide/GuideSections.h"
#include "ui/widgets/PaletteColors.h"
#include "ui/widgets/QtText.h"
#include "ui/main/ResultFind.h"
#include "ui/main/ResultListActions.h"
#include "ui/widgets/TwoBoxProgressBar.h"
#include "ui/main/ConditionWidgets.h"
#include "engine/PrizeCheck.h"

#include "ui/widgets/textbox/LineBox.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace shrink4 {

QWidget* makeStartPanel(RunForm& form)
{
    QPushButton* start = makeButton(QStringLiteral("C_guolv_ks"), QStringLiteral("【开始缩水】(&S)"));
    start->setMinimumHeight(start->sizeHint().height() * 3 / 2);
    QFont bold = start->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.25);
    start->setFont(bold);
    form.start = start;
    return start;
}

namespace {

// A strip over the list, there only while it has something to say.
QLabel* makeNote(const QString& name)
{
    auto* note = new QLabel;
    note->setObjectName(name);
    note->setWordWrap(true);
    note->setFrameShape(QFrame::StyledPanel);
    note->hide();
    return note;
}

// Over the list while a long run goes: the list it will replace is where the eye is.
QGroupBox* makeProgressFrame(RunForm& form)
{
    QGroupBox* frame = makeFrame(QStringLiteral("正在过滤中，请稍等。。。"));
    frame->setObjectName(QStringLiteral("Frame_jindu"));
    auto* frameLayout = new QVBoxLayout(frame);
    compactFrameLayout(frameLayout);
    form.progressBar = new TwoBoxProgressBar;
    frameLayout->addWidget(form.progressBar);
    frame->hide();
    form.progressFrame = frame;
    return frame;
}

// Under the count: the cost and the expected return of the list by the prize table in use;
// the button to every figure goes at the end of the count's row, where the column has room.
QLabel* makeMoneyLine(RunForm& form)
{
    QLabel* money = makeLabel(QString());
    money->setObjectName(QStringLiteral("L_money"));
    // Always two lines high, the cost and the return: an empty list moves nothing.
    money->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    money->setFixedHeight(
        money->fontMetrics().boundingRect(QRect(0, 0, 1000, 1000), 0, QStringLiteral("共\n期")).height());
    QPushButton* details = makeSmallButton(QStringLiteral("C_money_details"), QStringLiteral("详情(&M)…"));
    details->setToolTip(QStringLiteral("花费和期望回报的详情：各奖级能中的开奖号码，有奖和回本的机会"));
    form.money = money;
    form.moneyDetails = details;
    return money;
}

} // namespace

QGroupBox* makeResultFrame(RunForm& form)
{
    auto* frame = makeFrame(QStringLiteral("缩水结果"));
    frame->setProperty(guide::kSectionProperty, guide::kResult);
    frame->setToolTip(QStringLiteral("缩水后剩下的号码；右键可复制、全选、导出"));
    auto* layout = new QVBoxLayout(frame);
    compactFrameLayout(layout);
    auto* list = new QListWidget;
    list->setObjectName(QStringLiteral("Li_out"));
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    QFont mono = list->font();
    mono.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Monospace")});
    mono.setStyleHint(QFont::Monospace);
    list->setFont(mono);
    addResultListActions(list);
    layout->addWidget(makeProgressFrame(form));
    form.groupNote = makeNote(QStringLiteral("L_result_mode"));
    layout->addWidget(form.groupNote);
    form.staleNote = makeNote(QStringLiteral("L_result_state"));
    layout->addWidget(form.staleNote);
    form.find = new ResultFind(list);
    layout->addWidget(form.find);
    layout->addWidget(list, 1);
    form.results = list;

    auto* countRow = new QHBoxLayout;
    countRow->addWidget(makeLabel(QStringLiteral("最后注数：")));
    QLabel* count = makeLabel(QStringLiteral("0"));
    count->setObjectName(QStringLiteral("dadi_zhushu"));
    QFont bold = count->font();
    bold.setBold(true);
    count->setFont(bold);
    countRow->addWidget(count);
    form.count = count;
    countRow->addStretch(1);
    QLabel* money = makeMoneyLine(form);
    // No taller than the count's line: the list keeps its rows.
    form.moneyDetails->setFixedHeight(count->sizeHint().height() + 4);
    countRow->addWidget(form.moneyDetails);
    layout->addLayout(countRow);
    layout->addWidget(money);
    return frame;
}

QGroupBox* makePrizeCheckFrame(RunForm& form)
{
    QGroupBox* frame = makeFrame(QStringLiteral("中奖查询"));
    frame->setProperty(guide::kSectionProperty, guide::kPrizeCheck);
    frame->setToolTip(QStringLiteral("输入开奖号码，查看它是否在结果里"));
    auto* grid = new QGridLayout(frame);
    compactFrameLayout(grid);
    grid->addWidget(makeLabel(QStringLiteral("输入奖号")), 0, 0);
    LineBox* box = makeLine(QStringLiteral("T_duijiang"), QString());
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12);
    grid->addWidget(box, 0, 1);
    form.prizeBox = box;
    QLabel* news = makeLabel(QString());
    news->setObjectName(QStringLiteral("L_duijiang_news"));
    news->setAlignment(Qt::AlignCenter);
    showPrizeCaption(news, toQString(prize::kIdle), false);
    grid->addWidget(news, 1, 0, 1, 2);
    form.prizeLabel = news;
    // One line, always there so that nothing moves when it fills; a long reason is cut
    // short and shown whole as its tooltip.
    QLabel* reason = makeLabel(QString());
    reason->setObjectName(QStringLiteral("L_duijiang_why"));
    reason->setAlignment(Qt::AlignCenter);
    reason->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    reason->setFixedHeight(reason->fontMetrics().height());
    showAsWarning(reason);
    grid->addWidget(reason, 2, 0, 1, 2);
    form.prizeReason = reason;
    return frame;
}

void showPrizeCaption(QLabel* label, const QString& caption, bool verdict)
{
    // Plain and grey while it only waits for a number, so it does not pass for a button;
    // a verdict stands out in bold.
    QFont font = label->font();
    font.setBold(verdict);
    label->setFont(font);
    label->setForegroundRole(verdict ? QPalette::WindowText : QPalette::PlaceholderText);
    label->setText(caption);
}

QGroupBox* makeToolsFrame(RunForm& form)
{
    struct ToolButton {
        const char* name;
        const char* caption;
        QPushButton* RunForm::*slot;
    };
    // Alt and the letter press a button; E, F, A and H open the menus.
    static const ToolButton kButtons[] = {
        {"C_copy", "复制号码(&C)", &RunForm::copy},
        {"C_guolv_zhuan_zuxuan", "【转为组选】(&Z)", &RunForm::convert},
        {"C_all_cls", "清空所有条件(&Q)", &RunForm::clearAll},
        {"C_jiaoji", "交集(&J)", &RunForm::setTool},
        {"C_pinjie_tool", "二三星拼接四星(&P)", &RunForm::spliceTool},
        {"C_daochu", "导出结果(&D)", &RunForm::exportResult},
    };
    QGroupBox* frame = makeFrame(QStringLiteral("工具"));
    frame->setProperty(guide::kSectionProperty, guide::kTools);
    frame->setToolTip(QStringLiteral("取出结果和其他号码工具"));
    auto* grid = new QGridLayout(frame);
    compactFrameLayout(grid);
    int i = 0;
    for (const auto& b : kButtons) {
        QPushButton* button = makeButton(QString::fromLatin1(b.name), QString::fromUtf8(b.caption));
        form.*b.slot = button;
        grid->addWidget(button, i / 2, i % 2);
        ++i;
    }
    return frame;
}

} // namespace shrink4
