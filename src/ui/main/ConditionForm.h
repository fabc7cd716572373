#pragma once
// The main window's widgets as typed pointers, filled once by the panel builders. The
// binding, the clearing and the handlers reach every control through this form; nothing
// is looked up by name.

#include "conditions/ConditionTable.h"

#include <QList>

#include <array>
#include <cstddef>

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace shrink4 {

class LineBox;
class PagedConditions;
class ResultFind;
class TextBox;
class TwoBoxProgressBar;

// The widgets of one condition control, in index order.
struct ControlWidgets {
    QList<TextBox*> texts; // a text box, a line box, or the two bounds of a range
    QList<QCheckBox*> checks;
    QList<QAbstractButton*> toggles;  // checkable buttons
    QAbstractButton* clear = nullptr; // its own 清 button, where its row names one
};

// A "清" or "全" button beside check boxes that is not a control's own 清: it unticks or
// ticks boxes [first, first + count).
struct CheckSpanButton {
    QAbstractButton* button;
    ControlId control;
    int first;
    int count;
    bool tick;
};

// One control's table row and its place in the form, handed to the builders.
struct ControlForm {
    const ControlMeta& meta;
    ControlWidgets& widgets;
};

enum class HelpTopic { SpecialShapes, SpecialExclusions, DanCodes };
inline constexpr int kHelpTopics = 3;

struct ConditionForm {
    std::array<ControlWidgets, kControlCount> controls;
    QList<CheckSpanButton> spanButtons;
    std::array<QAbstractButton*, 4> danClear{};
    std::array<QAbstractButton*, 4> danSelectAll{};
    std::array<QAbstractButton*, kHelpTopics> help{};
    PagedConditions* pages = nullptr;
    std::array<QGroupBox*, kFrameCount> frames{};

    ControlWidgets& operator[](ControlId id) { return controls[std::size_t(id)]; }
    const ControlWidgets& operator[](ControlId id) const { return controls[std::size_t(id)]; }
    ControlForm control(ControlId id) { return {controlMeta(id), (*this)[id]}; }
};

// The run, its result and the tools.
struct RunForm {
    QPushButton* start = nullptr;
    QPushButton* convert = nullptr;
    QPushButton* copy = nullptr;
    QPushButton* clearAll = nullptr;
    QPushButton* setTool = nullptr;
    QPushButton* spliceTool = nullptr;
    QPushButton* exportResult = nullptr;
    QGroupBox* progressFrame = nullptr;
    TwoBoxProgressBar* progressBar = nullptr;
    QListWidget* results = nullptr;
    ResultFind* find = nullptr;  // 找号 over the list
    QLabel* staleNote = nullptr; // over the list: the result is not of the conditions on screen
    QLabel* groupNote = nullptr; // over the list: it holds group forms
    QLabel* count = nullptr;
    QLabel* money = nullptr;             // under the count: what the list costs and returns
    QPushButton* moneyDetails = nullptr; // beside it: every figure of the odds
    LineBox* prizeBox = nullptr;
    QLabel* prizeLabel = nullptr;
    QLabel* prizeReason = nullptr; // why a drawn number is not listed
};

} // namespace shrink4
