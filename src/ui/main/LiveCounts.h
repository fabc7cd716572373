#pragma once
// The live counts of the main window: on each condition frame and each page tab, how
// many numbers its conditions remove, and the survivors of the conditions as they stand.

#include "ui/main/ConditionForm.h"

#include <QObject>

#include <array>

class QLabel;

namespace shrink4 {

class FrameBadge;
struct LiveState;

class LiveCounts : public QObject {
    Q_OBJECT
public:
    // survivors: the label that shows the survivor count.
    LiveCounts(const ConditionForm& form, QLabel* survivors, QObject* parent = nullptr);

    void show(const LiveState& state);

private:
    const ConditionForm& m_form;
    QLabel* m_survivors;
    std::array<FrameBadge*, kFrameCount> m_badges{};
};

} // namespace shrink4
