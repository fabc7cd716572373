#pragma once
// What the steps of one filter run share: the inputs as the stages read them (the code
// list stages write their normalised text back), the failure counts, the condition count
// and the base-pool mask.

#include "BitCounter.h"
#include "ConditionInputs.h"
#include "NumberSet.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace shrink4 {

struct RunState {
    explicit RunState(ConditionInputs in) : inputs(std::move(in)) {}

    ConditionInputs inputs;
    BitCounter failCount;                 // FailCount before the verdict
    std::int32_t conditionCount = 0;      // ConditionCount
    NumberSet outsidePool;                // PoolMask: numbers the base pool leaves out
    NumberSet verdict;                    // numbers marked as survivors by the verdict
    std::vector<std::pair<std::string, std::string>> rewritten; // box name, text written back

    // Adds one failure to every member of s.
    void fail(const NumberSet& s)
    {
        if (!s.empty())
            failCount.add(s);
    }
    // A condition that takes part counts once; each of its failures adds one.
    void failCondition(const std::optional<NumberSet>& fails)
    {
        if (!fails)
            return;
        ++conditionCount;
        fail(*fails);
    }
    void rewrite(const char* boxName, std::string& box, std::string text)
    {
        box = std::move(text);
        rewritten.emplace_back(boxName, box);
    }
};

// The failures of a condition made of a row of check boxes: the union of the sets of the
// ticked boxes, or nothing when no box is ticked (then the condition takes no part).
template <class SetOfBox>
std::optional<NumberSet> tickedUnion(std::span<const int> boxes, SetOfBox&& setOf)
{
    std::optional<NumberSet> fails;
    for (std::size_t k = 0; k < boxes.size(); ++k)
        if (isTickedValue(boxes[k])) {
            if (!fails)
                fails.emplace();
            *fails |= setOf(int(k));
        }
    return fails;
}

} // namespace shrink4
