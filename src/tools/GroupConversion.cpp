#include "GroupConversion.h"

#include "core/NumberTables.h"
#include "core/TextScan.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace shrink4 {

namespace {

// The group form of every number as a value, made once: a conversion is then one table
// look-up per survivor.
const std::array<std::int16_t, kNumberCount>& groupFormTable()
{
    static const auto table = [] {
        std::array<std::int16_t, kNumberCount> t{};
        const auto& digits = digitTable();
        for (std::size_t v = 0; v < t.size(); ++v) {
            auto d = digits[v];
            std::sort(d.begin(), d.end());
            t[v] = std::int16_t(d[0] * 1000 + d[1] * 100 + d[2] * 10 + d[3]);
        }
        return t;
    }();
    return table;
}

void appendNumber(std::string& out, int value)
{
    char text[4];
    writeDigits(text, value, 4);
    out.append(text, 4);
}

} // namespace

int groupFormValue(int value)
{
    return groupFormTable()[std::size_t(value)];
}

std::string GroupForm(int value)
{
    std::string form;
    appendNumber(form, groupFormValue(value));
    return form;
}

ResultList ConvertToGroups(const NumberSet& survivors)
{
    // A group form is itself a number with ascending digits, so the set of forms can be
    // kept as a NumberSet and listed in ascending order for free.
    const auto& table = groupFormTable();
    NumberSet forms;
    survivors.forEach([&](int v) { forms.set(table[std::size_t(v)]); });

    ResultList r;
    r.count = forms.count();
    r.numbers.reserve(std::size_t(r.count));
    r.resultText.reserve(std::size_t(r.count) * 6);
    r.lines.reserve(std::size_t(r.count + 1) / 2);
    std::string line;
    forms.forEach([&](int v) {
        r.numbers.push_back(v);
        appendNumber(r.resultText, v);
        r.resultText.append("  ");
        // List lines keep one space after each form, unlike a run's list.
        appendNumber(line, v);
        line.push_back(' ');
        if (line.size() == 10)
            r.lines.push_back(std::exchange(line, {}));
    });
    if (!line.empty())
        r.lines.push_back(std::move(line));
    // As after a run: an empty conversion is a result with nothing in it, not a missing one.
    r.prizeCheckText = r.resultText.empty() ? std::string(kNoResultMessage) : r.resultText;
    return r;
}

ResultList ConvertToGroups(const RunResult& run)
{
    return ConvertToGroups(run.verdict.minus(run.outsidePool));
}

} // namespace shrink4
