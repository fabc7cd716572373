#pragma once
// The splice filter: every candidate of a page's target width is kept or dropped by
// looking up its digits at each box's positions among the digit groups typed into that
// box. A box "contains" a key when the key occurs anywhere in its text, so the keys of a
// box are all windows of part-width consecutive digits, found once per box.

#include "SplicePages.h"
#include "core/TextScan.h" // NormalizeDigitGroups: what a paste into a box becomes

#include <bitset>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace shrink4 {

enum class SpliceMode { Keep, Delete };

// Keys "0".."9999" (of one width) contained in a box text; bit = the key's value.
using SpliceKeys = std::bitset<10000>;

// Every window of `width` (1..4) consecutive ASCII digits in the text. One pass.
SpliceKeys spliceKeys(std::string_view text, int width);

struct SpliceResult {
    int count = 0;
    std::string text; // kept numbers ascending, full width, separated by single spaces
};

// Runs the filter of the page over the box texts (box k = boxTexts[k]; missing boxes are
// empty). A box is empty when it holds only whitespace (space, tab, CR, LF, U+3000).
// Returns nullopt when every box is empty: nothing is filtered.
std::optional<SpliceResult> runSplice(const SplicePage& page, std::span<const std::string_view> boxTexts,
                                      SpliceMode mode);

// Number of pieces of a text split at single spaces; an empty text has none.
int digitGroupCount(std::string_view normalized);

} // namespace shrink4
