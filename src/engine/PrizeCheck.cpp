#include "PrizeCheck.h"

#include "core/ResultList.h"
#include "core/TextScan.h"

#include <algorithm>

namespace shrink4 {

PrizeVerdict checkPrize(std::string_view prizeCheckText, const std::vector<std::string>& lines, std::string_view typed,
                        bool groupForms)
{
    PrizeVerdict v;
    if (prizeCheckText.empty()) {
        v.caption = prize::kRunFirst;
        return v;
    }
    std::string entry(trimWhitespace(typed));
    if (charCount(entry) != 4) {
        v.caption = prize::kIncomplete;
        return v;
    }
    if (groupForms && entry.size() == 4)
        std::sort(entry.begin(), entry.end());
    // A run that listed nothing is a run: a drawn number simply is not in it.
    if (prizeCheckText == kNoResultMessage || !contains(prizeCheckText, entry)) {
        v.caption = prize::kNoWin;
        return v;
    }
    v.caption = prize::kWin;
    for (std::size_t k = 0; k < lines.size(); ++k)
        if (contains(lines[k], entry))
            v.selectedLines.push_back(int(k));
    return v;
}

} // namespace shrink4
