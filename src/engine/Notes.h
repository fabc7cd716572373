#pragma once
// What a run reads differently from how the conditions look: numbers too short to count,
// lines that are no compound, sums of one digit, bounds the wrong way round. The window
// shows these beside the result; shrink4-cli run --json reports them.

#include "conditions/ConditionTable.h"

#include <string>
#include <string_view>
#include <vector>

namespace shrink4 {

struct Note {
    ControlId control;
    std::string text; // plain Chinese, for the player
};

// At most one note per box and kind, in table order. Boxes that are empty give none.
std::vector<Note> conditionNotes(const ConditionInputs& in);

} // namespace shrink4
