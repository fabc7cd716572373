#include "ConditionPanels.h"

#include "ControlNames.h"
#include "WidgetFactory.h"
#include "stages/DigitShapeStages.h"
#include "stages/SpecialExclusionStage.h"
#include "stages/SpecialShapeStage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace shrink4 {

namespace {

struct ShapeFrameLayout {
    const char* allButtons; // "全" (0) and "清" (1)
    int columns;
    bool buttonsBelow;      // under the grid instead of beside it, for the widest grid
};

// In the order of kDigitShapeFamilies. The road family's 81 boxes form a 9 x 9 grid.
constexpr ShapeFrameLayout kShapeFrames[] = {
    {"C_shaxingtai_dx_all", 4, false},
    {"C_shaxingtai_jo_all", 4, false},
    {"C_shaxingtai_zh_all", 4, false},
    {"C_shaxingtai_012_all", 9, true},
};

template <std::size_t N>
QStringList toCaptions(const std::array<std::string_view, N>& captions)
{
    QStringList list;
    for (auto c : captions)
        list << QString::fromUtf8(c.data(), qsizetype(c.size()));
    return list;
}

QStringList toCaptions(std::span<const std::string_view> captions)
{
    QStringList list;
    for (auto c : captions)
        list << QString::fromUtf8(c.data(), qsizetype(c.size()));
    return list;
}

// A frame of check boxes with its buttons beside the grid (top right) or under it.
QGroupBox* makeCheckFrame(const QString& title, const QString& array, const QStringList& captions, int columns,
                          const QList<QPushButton*>& buttons, bool buttonsBelow = false)
{
    QGroupBox* frame = makeFrame(title);
    auto* grid = new QGridLayout(frame);
    compactFrameLayout(grid);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(1);
    addCheckGrid(grid, 0, 0, array, captions, columns);
    const int rows = int((captions.size() + columns - 1) / columns);
    QBoxLayout* side = buttonsBelow ? static_cast<QBoxLayout*>(new QHBoxLayout) : new QVBoxLayout;
    side->setSpacing(2);
    if (buttonsBelow)
        side->addStretch(1);
    for (QPushButton* b : buttons)
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

} // namespace

QGroupBox* makeDigitShapeFrame(int family)
{
    const auto& f = kDigitShapeFamilies[std::size_t(family)];
    const auto& layout = kShapeFrames[family];
    const QString all = QString::fromLatin1(layout.allButtons);
    return makeCheckFrame(QString::fromUtf8(f.frameCaption.data(), qsizetype(f.frameCaption.size())),
                          QString::fromLatin1(f.boxName), toCaptions(f.captions), layout.columns,
                          {makeSmallButton(indexedName(all, 0), QStringLiteral("全")),
                           makeSmallButton(indexedName(all, 1), QStringLiteral("清"))},
                          layout.buttonsBelow);
}

QGroupBox* makeSpecialShapeFrame()
{
    return makeCheckFrame(QStringLiteral("杀特殊形态"), QStringLiteral("Check_tebie_paichu1"),
                          toCaptions(kSpecialShapeCaptions), 6,
                          {makeSmallButton(indexedName(QStringLiteral("C_teshu_sm"), 0), QStringLiteral("说明"))});
}

QGroupBox* makeSpecialExclusionFrame()
{
    return makeCheckFrame(QStringLiteral("特别排除(以下功能先看教程再使用)"), QStringLiteral("Check_tebie_paichu"),
                          toCaptions(kSpecialExclusionCaptions), 5,
                          {makeSmallButton(indexedName(QStringLiteral("C_teshu_sm"), 1), QStringLiteral("说明"))});
}

} // namespace shrink4
