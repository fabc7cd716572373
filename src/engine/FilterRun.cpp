#include "FilterRun.h"

#include "BasePool.h"
#include "Verdict.h"

#include "conditions/ItemCaptions.h"
#include "core/SideBySide.h"

#include <array>
#include <span>
#include <utility>

namespace shrink4 {

namespace {

constexpr std::size_t kStepCount = std::size(kRunSteps);
// Every step gives a row at most, but the special shapes one for each shape.
constexpr std::size_t kMostRows = kStepCount - 1 + captions::kSpecialShapes.size();

// The rows of every step in run order. The stages only read the conditions: with boxes of
// megabytes they run side by side, each into rows of its own.
void collectRows(const ConditionInputs& inputs, StageRows& rows)
{
    if (textBytes(inputs) < kSideBySideBytes) {
        for (const auto& step : kRunSteps)
            step.stage(inputs, rows);
        return;
    }
    std::array<StageRows, kStepCount> stepRows;
    runSideBySide(kStepCount, [&](std::size_t i) { kRunSteps[i].stage(inputs, stepRows[i]); });
    for (auto& part : stepRows)
        for (auto& row : part)
            rows.push_back(std::move(row));
}

// ConditionCount, the rewritten boxes and FailCount from the rows; the failures are added
// to the counter many sets at a time.
void countRows(RunResult& result)
{
    std::array<const NumberSet*, 32> fails;
    std::size_t pending = 0;
    for (auto& row : result.rows) {
        if (!row.fails.empty())
            fails[pending++] = &row.fails;
        if (pending == fails.size())
            result.failCount.add(std::span(fails.data(), std::exchange(pending, 0)));
        result.conditionCount += row.counted ? 1 : 0;
        if (row.normalizedText)
            result.rewritten.emplace_back(row.control, std::move(*row.normalizedText));
        row.normalizedText.reset();
    }
    result.failCount.add(std::span(fails.data(), pending));
}

} // namespace

RunResult filterRun(const ConditionInputs& inputs, const ProgressFn& progress)
{
    const auto report = [&](double fill) {
        if (progress)
            progress(fill);
    };
    report(0.001);
    RunResult result;
    report(0.01);
    result.rows.reserve(kMostRows);
    collectRows(inputs, result.rows);
    countRows(result);
    for (const auto& step : kRunSteps)
        if (step.fillAfter >= 0)
            report(step.fillAfter);
    result.outsidePool = basePoolOutside(inputs.basePool);
    result.verdict = verdict(result.failCount, result.conditionCount, inputs.totalTolerance);
    result.list = buildResultList(result.verdict.minus(result.outsidePool));
    report(1.0);
    return result;
}

} // namespace shrink4
