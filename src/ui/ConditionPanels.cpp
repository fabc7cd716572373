#include "ConditionPanels.h"

#include "ClearOnDoubleClickEdit.h"
#include "ControlNames.h"
#include "TextConversion.h"
#include "WidgetFactory.h"
#include "WindowTexts.h"
#include "engine/DesignTexts.h"
#include "stages/SpecialExclusionStage.h"

#include "textbox/LineBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace shrink4 {

namespace {

struct CheckRow {
    const char* label;
    const char* array;
    int first, last; // captions are the digits first..last
    const char* clearButton;
};

// The rows of "和,跨,胆" made of check boxes; the sum-value box sits after the AC row.
constexpr CheckRow kAcRow{"杀AC值", "Check_ac_sha", 1, 6, "C_ac_cls"};
constexpr CheckRow kDigitRows[] = {
    {"通杀码", "Check_tsm_sha", 0, 9, "C_bdw_chu_cls"},
    {"杀跨度", "Check_kuadu_sha", 0, 9, "C_kuadu_sha_cls"},
    {"杀和尾", "Check_hewei_sha", 0, 9, "C_hewei_sha_cls"},
};

constexpr int kClearColumn = 11;
constexpr int kCheckGap = 7; // between one box's caption and the next box

void addCheckRow(QGridLayout* grid, int row, const CheckRow& checkRow)
{
    grid->addWidget(makeLabel(QString::fromUtf8(checkRow.label)), row, 0);
    addCheckGrid(grid, row, 1, QString::fromLatin1(checkRow.array), digitCaptions(checkRow.first, checkRow.last), 10);
    grid->addWidget(makeSmallButton(QString::fromLatin1(checkRow.clearButton), QStringLiteral("清")), row,
                    kClearColumn);
}

} // namespace

QGroupBox* makeSumSpanDanFrame()
{
    QGroupBox* frame = makeFrame(QStringLiteral("和,跨,胆"));
    auto* grid = new QGridLayout(frame);
    compactFrameLayout(grid);
    grid->setHorizontalSpacing(kCheckGap);
    grid->setVerticalSpacing(2);
    addCheckRow(grid, 0, kAcRow);
    grid->addWidget(makeLabel(QStringLiteral("杀和值")), 1, 0);
    grid->addWidget(makeLine(QStringLiteral("T_sha_hezhi"), fromInputText(design::kSumValue)), 1, 1, 1, 10);
    grid->addWidget(makeSmallButton(QStringLiteral("C_ac_chu_cls"), QStringLiteral("清")), 1, kClearColumn);
    int row = 2;
    for (const auto& digitRow : kDigitRows)
        addCheckRow(grid, row++, digitRow);
    grid->setColumnStretch(kClearColumn - 1, 1);
    return frame;
}

QGroupBox* makeDanFrame()
{
    QGroupBox* frame = makeFrame(QStringLiteral("胆码"));
    auto* grid = new QGridLayout(frame);
    compactFrameLayout(grid);
    grid->setHorizontalSpacing(2);
    // Columns: 0..9 digit buttons, 10 gap, 11..15 count buttons, 16 "清", 17 "全".
    constexpr int kCountColumn = 11;
    grid->addWidget(makeLabel(QStringLiteral("胆组")), 0, 0, 1, 10, Qt::AlignCenter);
    grid->addWidget(makeLabel(QStringLiteral("胆码开出个数")), 0, kCountColumn, 1, 5, Qt::AlignCenter);
    for (int g = 0; g < 4; ++g) {
        const int row = g + 1;
        for (int d = 0; d < 10; ++d)
            grid->addWidget(makeSmallButton(indexedName(QStringLiteral("C_danzu"), 10 * g + d), QString::number(d)),
                            row, d);
        for (int k = 0; k < 5; ++k)
            grid->addWidget(
                makeSmallButton(indexedName(QStringLiteral("C_danzu_gs"), 5 * g + k), QString::number(k)), row,
                kCountColumn + k);
        grid->addWidget(makeSmallButton(indexedName(QStringLiteral("C_danma_cls"), g), QStringLiteral("清")), row,
                        kCountColumn + 5);
        grid->addWidget(makeSmallButton(indexedName(QStringLiteral("C_dz_quan"), g), QStringLiteral("全")), row,
                        kCountColumn + 6);
    }
    grid->setColumnMinimumWidth(10, 8);

    auto* footer = new QHBoxLayout;
    auto* repeat = new QCheckBox(QStringLiteral("胆码计重"));
    repeat->setObjectName(QStringLiteral("Check_dm_jchong"));
    footer->addWidget(repeat);
    footer->addStretch(1);
    footer->addWidget(makeButton(indexedName(QStringLiteral("C_teshu_sm"), 2), QStringLiteral("胆码说明")));
    grid->addLayout(footer, 5, 0, 1, kCountColumn + 7);
    return frame;
}

QGroupBox* makePositionalFrame()
{
    static const char* const kRows[] = {"千位", "百位", "十位", "个位"};
    QGroupBox* frame = makeFrame(QStringLiteral("定位杀"));
    auto* grid = new QGridLayout(frame);
    compactFrameLayout(grid);
    grid->setHorizontalSpacing(kCheckGap);
    grid->setVerticalSpacing(2);
    for (int k = 0; k < 4; ++k) {
        grid->addWidget(makeLabel(QString::fromUtf8(kRows[k])), k, 0);
        addCheckGrid(grid, k, 1, QStringLiteral("Check_hewei_sha1"), digitCaptions(0, 9), 10, 10 * k);
        grid->addWidget(makeSmallButton(indexedName(QStringLiteral("C_dw_sha_cls"), k), QStringLiteral("清")), k,
                        kClearColumn);
    }
    grid->setColumnStretch(kClearColumn - 1, 1);
    return frame;
}

QGroupBox* makeToleranceFrame()
{
    static const char* const kRanges[][2] = {
        {"过滤条件总容错", "T_zong_rc"}, {"胆组容错", "T_dzu_rc"}, {"定位容错", "T_dw_rc"}};
    QGroupBox* frame = makeFrame(QStringLiteral("容错"));
    auto* rows = new QVBoxLayout(frame);
    compactFrameLayout(rows);
    for (const auto& range : kRanges) {
        auto* row = new QHBoxLayout;
        addRangeRow(row, QString::fromUtf8(range[0]), QString::fromLatin1(range[1]));
        row->insertStretch(1, 1);
        rows->addLayout(row);
    }
    return frame;
}

QGroupBox* makeBasePoolFrame()
{
    QGroupBox* frame = makeFrame(QStringLiteral("大底"));
    auto* layout = new QVBoxLayout(frame);
    compactFrameLayout(layout);
    auto* edit = new ClearOnDoubleClickEdit(fromInputText(design::kBasePool));
    edit->setObjectName(QStringLiteral("T_dadi_nb"));
    layout->addWidget(edit);
    return frame;
}

void addHiddenStores(QWidget* window)
{
    const std::pair<QString, QString> stores[] = {
        {indexedName(QStringLiteral("T_teshu_sm"), 0), texts::kSpecialShapeHelp},
        {indexedName(QStringLiteral("T_teshu_sm"), 1), texts::kSpecialExclusionHelp},
        {QStringLiteral("T_danma_sm_by"), texts::kDanHelp},
        {QStringLiteral("T_duizi_by"), QString::fromStdString(twoPairListText())},
    };
    for (const auto& [name, text] : stores) {
        auto* store = new TextBox(text, window);
        store->setObjectName(name);
        store->hide();
    }
}

} // namespace shrink4
