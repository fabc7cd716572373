#pragma once
// The per-number form of a code-list item check, against which the engine's code table
// is tested.

#include "core/NumberTables.h"

#include <array>
#include <string_view>

namespace shrink4 {

// Whether number v holds the first k characters of item as digits at k different positions.
inline bool ContainsCode(int v, std::string_view item, int k)
{
    if (int(item.size()) < k)
        return false;
    std::array<int, 10> have{};
    for (auto d : digitTable()[std::size_t(v)])
        ++have[d];
    for (int j = 0; j < k; ++j) {
        const unsigned d = unsigned(static_cast<unsigned char>(item[std::size_t(j)]) - '0');
        if (d >= 10 || have[d]-- == 0)
            return false;
    }
    return true;
}

} // namespace shrink4
