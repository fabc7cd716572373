#pragma once
#include "core/NumberSet.h"

#include <string_view>

namespace shrink4 {

// Numbers covered by a compound line: a CR LF separated line with exactly three "*",
// whose four fields name the allowed digits of thousands, hundreds, tens and units.
NumberSet junkCompoundSet(std::string_view boxText);

} // namespace shrink4
