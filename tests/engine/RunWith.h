#pragma once
// Test helpers around a run: a run with the start-up conditions changed by one edit, the
// boxes it wrote back by their keys, and the conditions as the window shows them after it.

#include "engine/FilterRun.h"

#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace shrink4::testing {

template <class Edit>
RunResult runWith(Edit edit)
{
    ConditionInputs in;
    edit(in);
    return filterRun(in);
}

} // namespace shrink4::testing

namespace shrink4 {

// The boxes a run wrote back, by their keys, as the literal reference reports them.
inline std::vector<std::pair<std::string, std::string>> keyedRewrites(const RunResult& result)
{
    std::vector<std::pair<std::string, std::string>> keyed;
    for (const auto& [control, text] : result.rewritten)
        keyed.emplace_back(controlMeta(control).key, text);
    return keyed;
}

inline ConditionInputs inputsAfterRun(ConditionInputs inputs, const RunResult& result)
{
    for (const auto& rewrite : result.rewritten) // no structured binding: clang 14 cannot capture one
        forEachControl(inputs, [&rewrite](const ControlMeta& c, auto& value) {
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>)
                if (c.id == rewrite.first)
                    value = rewrite.second;
        });
    return inputs;
}

} // namespace shrink4
