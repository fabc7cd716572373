#pragma once
// The condition stages as steps of a filter run. Each reads its controls from the run's
// inputs, adds to ConditionCount when its own rule says so, and adds one failure to every
// number that fails it. The pure rules behind them are in the headers beside this one.

namespace shrink4 {

struct RunState;

void StraightKillStage(RunState& run);
void JunkCompoundStage(RunState& run);
void KillTwoCodeStage(RunState& run);
void MustCodeStage(RunState& run);
void ApplyPositionalKill(RunState& run);
void KillThreeCodeStage(RunState& run);
void SumTailStage(RunState& run);
void SpanStage(RunState& run);
void UniversalKillStage(RunState& run);
void DanGroupStage(RunState& run);
void AcValueStage(RunState& run);
void SumValueStage(RunState& run);
void PositionDigitStage(RunState& run);
void SpecialShapeStage(RunState& run);
void SpecialExclusionStage(RunState& run);
void BigSmallShapeStage(RunState& run);
void OddEvenShapeStage(RunState& run);
void PrimeCompositeShapeStage(RunState& run);
void RoadShapeStage(RunState& run);

} // namespace shrink4
