#include "ConditionPanels.h"

#include "ui/widgets/QtText.h"
#include "ui/main/ConditionWidgets.h"
#include "ui/widgets/WindowStyle.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace shrink4 {

namespace {

// The rows of "和,跨,胆", each a caption, its boxes and its 清.
constexpr ControlId kSumSpanDanRows[] = {ControlId::acValues, ControlId::sumValues, ControlId::universalDigits,
                                         ControlId::spans, ControlId::sumTails};

constexpr int kClearColumn = 11;
constexpr int kCheckGap = 7; // between one box's caption and the next box

QPushButton* clearButton(ConditionForm& form, const QString& name, ControlId control, int first, int count)
{
    QPushButton* b = makeSmallButton(name, QStringLiteral("清"));
    form.spanButtons.append({b, control, first, count, false});
    return b;
}

void addConditionRow(QGridLayout* grid, int row, ControlForm control)
{
    grid->addWidget(makeLabel(toQString(control.meta.caption)), row, 0);
    if (control.meta.kind == ControlKind::CheckRow)
        addCheckGrid(grid, row, 1, control, toQStringList(control.meta.items), 10);
    else
        grid->addWidget(makeTextBox(control), row, 1, 1, 10);
    grid->addWidget(control.widgets.clear, row, kClearColumn);
}

} // namespace

QGroupBox* makeSumSpanDanFrame(ConditionForm& form)
{
    QGroupBox* frame = makeFrame(form, Frame::SumSpanDan, QStringLiteral("和,跨,胆"));
    auto* grid = new QGridLayout(frame);
    compactFrameLayout(grid);
    grid->setHorizontalSpacing(kCheckGap);
    grid->setVerticalSpacing(2);
    int row = 0;
    for (ControlId control : kSumSpanDanRows)
        addConditionRow(grid, row++, form.control(control));
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
        grid->addWidget(clearButton(form, indexedName("C_dw_sha_cls", k), ControlId::positionDigits, 10 * k, 10), k,
                        kClearColumn);
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
    layout->addWidget(makeTextBox(pool));
    return frame;
}

} // namespace shrink4
