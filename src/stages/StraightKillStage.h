#pragma once
#include "core/NumberSet.h"

#include <string_view>

namespace shrink4 {

// Numbers listed in the straight-kill box: every four-digit window of its trimmed text.
NumberSet straightKillSet(std::string_view boxText);

} // namespace shrink4
