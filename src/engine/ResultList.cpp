#include "ResultList.h"

#include "TextScan.h"

#include <utility>

namespace shrink4 {

std::vector<std::string> pairLines(const std::vector<std::string_view>& items, std::string_view separator)
{
    std::vector<std::string> lines;
    lines.reserve((items.size() + 1) / 2);
    for (std::size_t i = 0; i < items.size(); i += 2) {
        std::string line;
        line.reserve(2 * (items[i].size() + separator.size()));
        line.append(items[i]).append(separator);
        if (i + 1 < items.size())
            line.append(items[i + 1]).append(separator);
        lines.push_back(std::move(line));
    }
    return lines;
}

ResultList buildResultList(const NumberSet& listed)
{
    ResultList r;
    r.count = listed.count();
    r.numbers.reserve(std::size_t(r.count));
    r.resultText.reserve(std::size_t(r.count) * 6);
    r.lines.reserve(std::size_t(r.count + 1) / 2);
    std::string line;
    listed.forEach([&](int v) {
        r.numbers.push_back(v);
        const auto item = numberText(v);
        r.resultText.append(item).append("  ");
        line.append(item).append("  ");
        if (line.size() == 12)
            r.lines.push_back(std::exchange(line, {}));
    });
    if (!line.empty())
        r.lines.push_back(std::move(line));
    r.prizeCheckText = r.resultText;
    if (trimSpaces(r.prizeCheckText).empty())
        r.prizeCheckText = kNoResultMessage;
    return r;
}

} // namespace shrink4
