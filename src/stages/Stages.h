#pragma once
// The condition stages of a filter run. Each is a function of the condition state that
// returns its condition rows: what each row fails, whether it counts towards
// ConditionCount, and the normalised text of its box where the stage rewrites one. The
// pure rules behind them are in the headers beside this one.

#include "conditions/ConditionInputs.h"
#include "conditions/ConditionTable.h"
#include "core/NumberSet.h"

#include <optional>
#include <string>
#include <vector>

namespace shrink4 {

struct ConditionRow {
    ControlId control;
    int item = -1;          // the ticked special shape of a per-shape row, else -1
    NumberSet fails;        // each member gets one failure
    bool counted = true;    // adds one to ConditionCount
    std::optional<std::string> normalizedText; // the box's text as the run writes it back
};

using StageRows = std::vector<ConditionRow>;
using Stage = StageRows (*)(const ConditionInputs&);

StageRows StraightKillStage(const ConditionInputs& in);
StageRows JunkCompoundStage(const ConditionInputs& in);
StageRows KillTwoCodeStage(const ConditionInputs& in);
StageRows MustTwoCodeStage(const ConditionInputs& in);
StageRows MustThreeCodeStage(const ConditionInputs& in);
StageRows PositionalKillStage(const ConditionInputs& in);
StageRows KillThreeCodeStage(const ConditionInputs& in);
StageRows SumTailStage(const ConditionInputs& in);
StageRows SpanStage(const ConditionInputs& in);
StageRows UniversalKillStage(const ConditionInputs& in);
StageRows DanGroupStage(const ConditionInputs& in);
StageRows AcValueStage(const ConditionInputs& in);
StageRows SumValueStage(const ConditionInputs& in);
StageRows PositionDigitStage(const ConditionInputs& in);
StageRows SpecialShapeStage(const ConditionInputs& in);
StageRows SpecialExclusionStage(const ConditionInputs& in);
StageRows BigSmallShapeStage(const ConditionInputs& in);
StageRows OddEvenShapeStage(const ConditionInputs& in);
StageRows PrimeCompositeShapeStage(const ConditionInputs& in);
StageRows RoadShapeStage(const ConditionInputs& in);

} // namespace shrink4
