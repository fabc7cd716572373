#include "ui/main/ConditionPanels.h"

#include "ui/widgets/QtText.h"
#include "ui/main/ConditionWidgets.h"
#include "ui/widgets/WindowStyle.h"
#include "stages/DigitShapeStages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace shrink4 {

namespace {

struct ShapeFrameLayout {
    const char* tickAllButton; // "全"; the frame's "清" is its control's own
    int columns;
    bool buttonsBelow; // under the grid instead of beside it, for the widest grid
};

// In the order of kDigitShapeFamilies. The road family's 81 boxes form a 9 x 9 grid.
constexpr ShapeFrameLayout kShapeFrames[] = {
    {"C_shaxingtai_dx_all(0)", 4, false},
    {"C_shaxingtai_jo_all(0)", 4, false},
    {"C_shaxingtai_zh_all(0)", 4, false},
    {"C_shaxingtai_012_all(0)", 9, true},
};

// A frame of a control's check boxes with its buttons, its own 清 last, beside the grid (top
// right) or under it.
QGroupBox* makeCheckFrame(ConditionForm& form, const QString& title, ControlForm control, int columns,
                          QList<QWidget*> buttons, bool buttonsBelow = false)
{
    QGroupBox* frame = makeFrame(form, control.meta.frame, title);
    auto* grid = new QGridLayout(frame);
    compactFrameLayout(grid);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(1);
    const QStringList captions = toQStringList(control.meta.items);
    addCheckGrid(grid, 0, 0, control, captions, columns);
    if (control.widgets.clear)
        buttons << control.widgets.clear;
    const int rows = int((captions.size() + columns - 1) / columns);
    QBoxLayout* side = buttonsBelow ? static_cast<QBoxLayout*>(new QHBoxLayout) : new QVBoxLayout;
    side->setSpacing(2);
    if (buttonsBelow)
        side->addStretch(1);
    for (QWidget* b : buttons)
        side->addWidget(b);
    if (buttonsBelow) {
        grid->addLayout(side, rows, 0, 1, columns);
    } else {
        side->addStretch(1);
        grid->addLayout(side, 0, columns, rows, 1);
    }
    grid->setColumnStretch(columns - 1, 1);
    return frame;
}

QPushButton* helpButton(ConditionForm& form, HelpTopic topic)
{
    QPushButton* b = makeSmallButton(indexedName("C_teshu_sm", int(topic)), QStringLiteral("说明"));
    styleHelpButton(b);
    form.help[std::size_t(topic)] = b;
    return b;
}

} // namespace

QGroupBox* makeDigitShapeFrame(ConditionForm& form, int family)
{
    const ControlForm control = form.control(kDigitShapeFamilies[std::size_t(family)].control);
    const auto& layout = kShapeFrames[family];
    QPushButton* tickAll = makeSmallButton(QString::fromLatin1(layout.tickAllButton), QStringLiteral("全"));
    form.spanButtons.append({tickAll, control.meta.id, 0, int(control.meta.items.size()), true});
    return makeCheckFrame(form, toQString(control.meta.caption), control, layout.columns, {tickAll},
                          layout.buttonsBelow);
}

QGroupBox* makeSpecialShapeFrame(ConditionForm& form)
{
    const ControlForm shapes = form.control(ControlId::specialShapes);
    return makeCheckFrame(form, toQString(shapes.meta.caption), shapes, 6,
                          {helpButton(form, HelpTopic::SpecialShapes)});
}

QGroupBox* makeSpecialExclusionFrame(ConditionForm& form)
{
    return makeCheckFrame(form, QStringLiteral("特别排除(以下功能先看教程再使用)"),
                          form.control(ControlId::specialExclusions), 5,
                          {helpButton(form, HelpTopic::SpecialExclusions)});
}

} // namespace shrink4
