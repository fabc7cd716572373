#pragma once
// The condition stages of a filter run, in the order a run takes them. Each is a function
// of the condition state that appends its condition rows: what each row fails, whether it
// counts towards ConditionCount, and the normalised text of its box where the stage
// rewrites one. The pure rules behind them are in the headers beside this one.

#include "conditions/ConditionTable.h"
#include "core/NumberSet.h"

#include <optional>
#include <string>
#include <vector>

namespace shrink4 {

struct ConditionRow {
    ControlId control;
    int item = -1;                             // the ticked special shape of a per-shape row, else -1
    NumberSet fails;                           // each member gets one failure
    bool counted = true;                       // adds one to ConditionCount
    std::optional<std::string> normalizedText; // the box's text as the run writes it back
};

using StageRows = std::vector<ConditionRow>;
// A stage appends its rows: each row's set (1,256 bytes) is filled where it stays.
using Stage = void (*)(const ConditionInputs&, StageRows&);

void StraightKillStage(const ConditionInputs& in, StageRows& rows);
void JunkCompoundStage(const ConditionInputs& in, StageRows& rows);
void KillTwoCodeStage(const ConditionInputs& in, StageRows& rows);
void MustTwoCodeStage(const ConditionInputs& in, StageRows& rows);
void MustThreeCodeStage(const ConditionInputs& in, StageRows& rows);
void PositionalKillStage(const ConditionInputs& in, StageRows& rows);
void KillThreeCodeStage(const ConditionInputs& in, StageRows& rows);
void SumTailStage(const ConditionInputs& in, StageRows& rows);
void SpanStage(const ConditionInputs& in, StageRows& rows);
void UniversalKillStage(const ConditionInputs& in, StageRows& rows);
void DanGroupStage(const ConditionInputs& in, StageRows& rows);
void AcValueStage(const ConditionInputs& in, StageRows& rows);
void SumValueStage(const ConditionInputs& in, StageRows& rows);
void PositionDigitStage(const ConditionInputs& in, StageRows& rows);
void SpecialShapeStage(const ConditionInputs& in, StageRows& rows);
void SpecialExclusionStage(const ConditionInputs& in, StageRows& rows);
void BigSmallShapeStage(const ConditionInputs& in, StageRows& rows);
void OddEvenShapeStage(const ConditionInputs& in, StageRows& rows);
void PrimeCompositeShapeStage(const ConditionInputs& in, StageRows& rows);
void RoadShapeStage(const ConditionInputs& in, StageRows& rows);

struct RunStep {
    Stage stage;
    double fillAfter; // progress reported after the step, or < 0 for none
};

inline constexpr double kNoFill = -1;

// The fixed order of a run: the order of its condition rows, and the progress display
// follows it.
inline constexpr RunStep kRunSteps[] = {
    {StraightKillStage, kNoFill},
    {JunkCompoundStage, 0.02},
    {KillTwoCodeStage, 0.02},
    {MustTwoCodeStage, kNoFill},
    {MustThreeCodeStage, 0.05},
    {PositionalKillStage, kNoFill},
    {KillThreeCodeStage, 0.2},
    {SumTailStage, 0.3},
    {SpanStage, 0.4},
    {UniversalKillStage, 0.5},
    {DanGroupStage, kNoFill},
    {AcValueStage, 0.6},
    {SumValueStage, kNoFill},
    {PositionDigitStage, 0.7},
    {SpecialShapeStage, kNoFill},
    {SpecialExclusionStage, 0.8},
    {BigSmallShapeStage, kNoFill},
    {OddEvenShapeStage, kNoFill},
    {PrimeCompositeShapeStage, kNoFill},
    {RoadShapeStage, 0.9},
};

} // namespace shrink4
