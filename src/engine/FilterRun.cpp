#include "FilterRun.h"

#include "BasePool.h"
#include "Verdict.h"

#include "core/SideBySide.h"

#include <array>
#include <utility>
#include <type_traits>
#include <vector>

namespace shrink4 {

namespace {

constexpr std::size_t kStepCount = std::size(kRunSteps);
using StepRows = std::array<StageRows, kStepCount>;

void takeRow(RunResult& result, ConditionRow row)
{
    if (!row.fails.empty())
        result.failCount.add(row.fails);
    result.conditionCount += row.counted ? 1 : 0;
    if (row.normalizedText)
        result.rewritten.emplace_back(row.control, std::move(*row.normalizedText));
    row.normalizedText.reset();
    result.rows.push_back(std::move(row));
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
    // The stages only read the conditions: with boxes of megabytes they run side by side.
    StepRows rows;
    runSideBySideIfLarge(kStepCount, textBytes(inputs), [&](std::size_t i) { rows[i] = kRunSteps[i].stage(inputs); });
    for (std::size_t i = 0; i < kStepCount; ++i) {
        for (auto& row : rows[i])
            takeRow(result, std::move(row));
        if (kRunSteps[i].fillAfter >= 0)
            report(kRunSteps[i].fillAfter);
    }
    result.outsidePool = basePoolOutside(inputs.basePool);
    result.verdict = verdict(result.failCount, result.conditionCount, inputs.totalTolerance);
    result.list = buildResultList(result.verdict.minus(result.outsidePool));
    report(1.0);
    return result;
}

} // namespace shrink4
