#pragma once
#include "core/NumberSet.h"

#include <string_view>

namespace shrink4 {

// Numbers matched by a four-character pattern of the positional-kill box ("1**8": a
// digit fixes its position, "*" leaves it open).
NumberSet positionalKillSet(std::string_view boxText);

} // namespace shrink4
