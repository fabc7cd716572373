#pragma once
// The literal reference of the trend figures and of the walk-forward test: each value's
// figures recounted from the draws' digits, for every window anew.

#include "engine/Draws.h"
#include "trends/WalkForward.h"

#include <span>
#include <vector>

namespace shrink4::reference {

struct ReferenceValueFigures {
    int hits = 0;
    int current = 0;
    int max = 0;
    int share = 0; // how many of 0000..9999 show the value
};

// [track][value], the window oldest first.
std::vector<std::vector<ReferenceValueFigures>> referenceFigures(std::span<const Draw> window);

struct ReferenceTested {
    int index = 0; // of the draw in draws
    bool listed = false;
    int survivors = 0;
    std::vector<trends::TrackPick> picks; // every rule's, in the order given
};

// Each tested draw with the rules picked from the figures of the `window` draws before it,
// recounted from scratch.
std::vector<ReferenceTested> referenceWalkForward(const ConditionInputs& scheme, std::span<const Draw> draws,
                                                  std::span<const trends::Rule> rules, int windowSize, int last);

} // namespace shrink4::reference
