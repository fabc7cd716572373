#include "ConditionPanels.h"

#include "ui/widgets/ClearOnDoubleClickEdit.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/TextConversion.h"
#include "ui/main/ConditionWidgets.h"
#include "ui/widgets/WindowStyle.h"

#include "ui/widgets/textbox/LineBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace shrink4 {

namespace {

struct CheckRow {
    ControlId control;
    const char* clearButton;
};

// The rows of "和,跨,胆" made of check boxes; the sum-value box sits after the AC row.
constexpr CheckRow kAcRow{ControlId::acValues, "C_ac_cls"};
constexpr CheckRow kDigitRows[] = {
    {ControlId::universalDigits, "C_bdw_chu_cls"},
    {ControlId::spans, "C_kuadu_sha_cls"},
    {ControlId::sumTails, "C_hewei_sha_cls"},
};

constexpr int kClearColumn = 11;
constexpr int kCheckGap = 7; // between one box's caption and the next box

QPushButton* clearButton(ConditionForm& form, const QString& name, ControlId control, int first, int count)
{
    QPushButton* b = makeSmallButton(name, QStringLiteral("清"));
    form.spanButtons.append({b, control, first, count, false});
    return b;
}

void addCheckRow(ConditionForm& form, QGridLayout* grid, int row, const CheckRow& checkRow)
{
    const ControlForm control = form.control(checkRow.control);
    grid->addWidget(makeLabel(toQString(control.meta.caption)), row, 0);
    addCheckGrid(grid, row, 1, control, toQStringList(control.meta.items), 10);
    const int count = int(control.meta.items.size());
    grid->addWidget(clearButton(form, QString::fromLatin1(checkRow.clearButton), checkRow.control, 0, count), row,
                    kClearColumn);
}

} // namespace

QGroupBox* makeSumSpanDanFrame(ConditionForm& form)
{
    QGroupBox* frame = makeFrame(form, Frame::SumSpanDan, QStringLiteral("和,跨,胆"));
    auto* grid = new QGridLayout(frame);
    compactFrameLayout(grid);
    grid->setHorizontalSpacing(kCheckGap);
    grid->setVerticalSpacing(2);
    addCheckRow(form, grid, 0, kAcRow);
    const ControlForm sumValues = form.control(ControlId::sumValues);
    grid->addWidget(makeLabel(toQString(sumValues.meta.caption)), 1, 0);
    LineBox* box = makeLine(keyString(sumValues.meta.key), fromInputText(sumValues.meta.startText));
    box->setPlaceholderText(fromInputText(sumValues.meta.help));
    sumValues.widgets.texts.append(box);
    grid->addWidget(box, 1, 1, 1, 10);
    form.sumValueClear = makeSmallButton(QStringLiteral("C_ac_chu_cls"), QStringLiteral("清"));
    grid->addWidget(form.sumValueClear, 1, kClearColumn);
    int row = 2;
    for (const auto& digitRow : kDigitRows)
        addCheckRow(form, grid, row++, digitRow);
    grid->setColumnStretch(kClearColumn - 1, 1);
    return frame;
}

QGroupBox* makeDanFrame(ConditionForm& form)
{
    const ControlForm digits = form.control(ControlId::danDigits);
    const ControlForm counts = form.control(ControlId::danHitCounts);
    QGroupBox* frame = makeFrame(form, Frame::Dan, QStringLiteral("胆码"));
    auto* grid = new QGridLayout(frame);
    compactFrameLayout(grid);
    grid->setHorizontalSpacing(2);
    // Columns: 0..9 digit buttons, 10 gap, 11..15 count buttons, 16 "清", 17 "全".
    constexpr int kCountColumn = 11;
    grid->addWidget(makeLabel(toQString(digits.meta.caption)), 0, 0, 1, 10, Qt::AlignCenter);
    grid->addWidget(makeLabel(toQString(counts.meta.caption)), 0, kCountColumn, 1, 5, Qt::AlignCenter);
    const QStringList digitCaptions = toQStringList(digits.meta.items);
    const QStringList countCaptions = toQStringList(counts.meta.items);
    for (int g = 0; g < 4; ++g) {
        const int row = g + 1;
        for (int d = 0; d < 10; ++d)
            grid->addWidget(makeToggle(digits, 10 * g + d, digitCaptions[d]), row, d);
        for (int k = 0; k < 5; ++k)
            grid->addWidget(makeToggle(counts, 5 * g + k, countCaptions[k]), row, kCountColumn + k);
        form.danClear[std::size_t(g)] = makeSmallButton(indexedName("C_danma_cls", g), QStringLiteral("清"));
        form.danSelectAll[std::size_t(g)] = makeSmallButton(indexedName("C_dz_quan", g), QStringLiteral("全"));
        grid->addWidget(form.danClear[std::size_t(g)], row, kCountColumn + 5);
        grid->addWidget(form.danSelectAll[std::size_t(g)], row, kCountColumn + 6);
    }
    grid->setColumnMinimumWidth(10, 8);

    auto* footer = new QHBoxLayout;
    const ControlForm repeat = form.control(ControlId::danRepeatCounting);
    auto* repeatBox = new QCheckBox(toQString(repeat.meta.caption));
    repeatBox->setObjectName(keyString(repeat.meta.key));
    styleCheckBox(repeatBox);
    repeat.widgets.checks.append(repeatBox);
    footer->addWidget(repeatBox);
    footer->addStretch(1);
    QPushButton* help = makeButton(indexedName("C_teshu_sm", int(HelpTopic::DanCodes)), QStringLiteral("胆码说明"));
    styleHelpButton(help);
    form.help[std::size_t(HelpTopic::DanCodes)] = help;
    footer->addWidget(form.help[std::size_t(HelpTopic::DanCodes)]);
    grid->addLayout(footer, 5, 0, 1, kCountColumn + 7);
    return frame;
}

QGroupBox* makePositionalFrame(ConditionForm& form)
{
    const ControlForm digits = form.control(ControlId::positionDigits);
    QGroupBox* frame = makeFrame(form, Frame::Positional, toQString(digits.meta.caption));
    auto* grid = new QGridLayout(frame);
    compactFrameLayout(grid);
    grid->setHorizontalSpacing(kCheckGap);
    grid->setVerticalSpacing(2);
    const QStringList positions = toQStringList(captions::kPositions);
    for (int k = 0; k < 4; ++k) {
        grid->addWidget(makeLabel(positions[k]), k, 0);
        addCheckGrid(grid, k, 1, digits, toQStringList(digits.meta.items), 10, 10 * k);
        grid->addWidget(clearButton(form, indexedName("C_dw_sha_cls", k), ControlId::positionDigits, 10 * k, 10),
                        k, kClearColumn);
    }
    grid->setColumnStretch(kClearColumn - 1, 1);
    return frame;
}

QGroupBox* makeToleranceFrame(ConditionForm& form)
{
    constexpr ControlId kRanges[] = {ControlId::totalTolerance, ControlId::danTolerance, ControlId::positionTolerance};
    QGroupBox* frame = makeFrame(form, Frame::Tolerance, QStringLiteral("容错"));
    auto* rows = new QVBoxLayout(frame);
    compactFrameLayout(rows);
    for (ControlId range : kRanges) {
        auto* row = new QHBoxLayout;
        addRangeRow(row, form.control(range));
        row->insertStretch(1, 1);
        rows->addLayout(row);
    }
    return frame;
}

QGroupBox* makeBasePoolFrame(ConditionForm& form)
{
    const ControlForm pool = form.control(ControlId::basePool);
    QGroupBox* frame = makeFrame(form, Frame::BasePool, toQString(pool.meta.caption));
    auto* layout = new QVBoxLayout(frame);
    compactFrameLayout(layout);
    auto* edit = new ClearOnDoubleClickEdit(fromInputText(pool.meta.startText));
    edit->setObjectName(keyString(pool.meta.key));
    edit->setPlaceholderText(fromInputText(pool.meta.help));
    pool.widgets.texts.append(edit);
    layout->addWidget(edit);
    return frame;
}

} // namespace shrink4
