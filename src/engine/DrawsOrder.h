#pragma once
// The draws of a text put in time order, in place: however many there are, this costs a
// few bytes a draw beside them.

#include "engine/Draws.h"

#include <optional>
#include <string>
#include <vector>

namespace shrink4 {

struct RedrawnLabel {
    std::string label;
    int line = 0;      // the earliest draw that repeats the label with another number
    int firstLine = 0; // the first draw with the label
};

// Drops each draw that repeats an earlier label with the same number. A label repeated with
// another number is returned instead, and the draws are left as they were.
std::optional<RedrawnLabel> dropRepeats(std::vector<Draw>& draws);

// Orders draws that all have labels by label as a number, however long (leading zeros do
// not count); equal labels keep their file order.
void sortByLabel(std::vector<Draw>& draws);

} // namespace shrink4
