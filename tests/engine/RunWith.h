#pragma once
// A run with the start-up conditions changed by one edit.

#include "engine/FilterRun.h"

namespace shrink4::testing {

template <class Edit>
RunResult runWith(Edit edit)
{
    ConditionInputs in;
    edit(in);
    return filterRun(in);
}

} // namespace shrink4::testing
