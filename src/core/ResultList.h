#pragma once
// The listed result of a run: the survivors inside the base pool, the list lines of two,
// and the texts kept for copying and the prize check.

#include "NumberSet.h"

#include <string>
#include <string_view>
#include <vector>

namespace shrink4 {

// The mark of an empty result in the prize-check text, as files and callers read it; the
// window says it in its own words.
inline constexpr std::string_view kNoResultMessage = "没有符合条件的号码，请检测过滤条件";

struct ResultList {
    std::vector<int> numbers;       // ascending
    std::vector<std::string> lines; // Li_out items
    std::string resultText;         // ResultText
    std::string prizeCheckText;     // PrizeCheckText
    int count = 0;                  // dadi_zhushu
};

ResultList buildResultList(const NumberSet& listed);

// Keeps the count alone, for a run held only for its counts and explanations: the numbers
// and texts of a full list take a third of a megabyte.
inline void keepCountOnly(ResultList& list)
{
    const int count = list.count;
    list = ResultList{};
    list.count = count;
}

} // namespace shrink4
