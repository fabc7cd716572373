#include "GroupConversion.h"

#include "engine/NumberTables.h"

#include <algorithm>

namespace shrink4 {

std::string GroupForm(int value)
{
    auto d = digitTable()[std::size_t(value)];
    std::sort(d.begin(), d.end());
    std::string form(4, '0');
    for (std::size_t p = 0; p < 4; ++p)
        form[p] = char('0' + d[p]);
    return form;
}

ResultList ConvertToGroups(const NumberSet& survivors)
{
    // A group form is itself a number with ascending digits, so the set of forms can be
    // kept as a NumberSet and listed in ascending order for free.
    NumberSet forms;
    survivors.forEach([&](int v) {
        auto d = digitTable()[std::size_t(v)];
        std::sort(d.begin(), d.end());
        forms.set(d[0] * 1000 + d[1] * 100 + d[2] * 10 + d[3]);
    });
    ResultList r;
    std::vector<std::string> items;
    forms.forEach([&](int v) {
        r.numbers.push_back(v);
        items.push_back(GroupForm(v));
        r.resultText.append(items.back()).append("  ");
    });
    r.count = int(items.size());
    r.lines = pairLines(std::vector<std::string_view>(items.begin(), items.end()), " ");
    r.prizeCheckText = r.resultText;
    return r;
}

} // namespace shrink4
