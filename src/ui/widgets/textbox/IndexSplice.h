#pragma once
// Both indexes of a text box, where its lines start and where its lines' rows start, take
// an edit the same way: the entries of the edited stretch give way to new ones, and every
// entry after it moves by the change.

#include <cstddef>
#include <vector>

namespace shrink4 {

// Replaces index[from, to) with `replacement` and adds `delta` to every entry after it.
inline void spliceIndex(std::vector<int>& index, std::size_t from, std::size_t to, const std::vector<int>& replacement,
                        int delta)
{
    for (auto it = index.begin() + std::ptrdiff_t(to); it != index.end(); ++it)
        *it += delta;
    const auto at = index.erase(index.begin() + std::ptrdiff_t(from), index.begin() + std::ptrdiff_t(to));
    index.insert(at, replacement.begin(), replacement.end());
}

} // namespace shrink4
