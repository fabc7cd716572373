#pragma once
// The prize check: what the label says for a typed drawn number, and which list lines
// hold it.

#include <string>
#include <string_view>
#include <vector>

namespace shrink4 {

namespace prize {
inline constexpr std::string_view kIdle = "【中奖查询】";
inline constexpr std::string_view kRunFirst = "【请先缩水】";
inline constexpr std::string_view kWin = "【恭喜中奖】";
inline constexpr std::string_view kNoWin = "【没有中奖】";
inline constexpr std::string_view kIncomplete = "【号码不全】";
} // namespace prize

struct PrizeVerdict {
    std::string_view caption;
    std::vector<int> selectedLines; // indexes of the list lines to select
};

// typed is the prize box's text. When groupForms is set (the result holds group forms
// from a conversion) a four-character entry is compared by its digits sorted ascending.
PrizeVerdict checkPrize(std::string_view prizeCheckText, const std::vector<std::string>& lines, std::string_view typed,
                        bool groupForms = false);

} // namespace shrink4
