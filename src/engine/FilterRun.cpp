#include "FilterRun.h"

#include "BasePool.h"
#include "RunState.h"
#include "Verdict.h"
#include "stages/Stages.h"

#include <type_traits>
#include <utility>

namespace shrink4 {

namespace {

struct RunRow {
    void (*step)(RunState&);
    double fillAfter; // progress reported after the row, or < 0 for none
};

constexpr double kNoFill = -1;

// The fixed order of a run. The stages read their inputs in this order, and the progress
// display follows it.
constexpr RunRow kRunRows[] = {
    {StraightKillStage, kNoFill},
    {JunkCompoundStage, 0.02},
    {KillTwoCodeStage, 0.02},
    {MustCodeStage, 0.05},
    {ApplyPositionalKill, kNoFill},
    {ApplyBasePool, kNoFill},
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
    {ApplyVerdict, kNoFill},
};

} // namespace

RunResult filterRun(ConditionInputs inputs, const ProgressFn& progress)
{
    const auto report = [&](double fill) {
        if (progress)
            progress(fill);
    };
    report(0.001);
    RunState run(std::move(inputs));
    report(0.01);
    for (const auto& row : kRunRows) {
        row.step(run);
        if (row.fillAfter >= 0)
            report(row.fillAfter);
    }
    RunResult result;
    result.list = buildResultList(run.verdict.minus(run.outsidePool));
    result.conditionCount = run.conditionCount;
    result.verdict = run.verdict;
    result.outsidePool = run.outsidePool;
    result.rewritten = std::move(run.rewritten);
    report(1.0);
    return result;
}

ConditionInputs inputsAfterRun(ConditionInputs inputs, const RunResult& result)
{
    for (const auto& box : result.rewritten)
        forEachControl(inputs, [&box](const char* control, auto& value) {
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>)
                if (box.first == control)
                    value = box.second;
        });
    return inputs;
}

} // namespace shrink4
