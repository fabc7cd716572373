#include "CodeListStages.h"

#include "StageRows.h"
#include "core/NumberTables.h"
#include "core/TextScan.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <vector>

namespace shrink4 {

bool codeListActive(std::string_view boxText)
{
    const std::string_view trimmed = trimSpaces(boxText);
    return std::any_of(trimmed.begin(), trimmed.end(), isDigit);
}

namespace {

// For every code (digits sorted ascending, read as a decimal key) the numbers holding it:
// a number holds exactly the codes formed by choosing k of its four positions.
struct CodeTable {
    std::vector<NumberSet> two = std::vector<NumberSet>(100);
    std::vector<NumberSet> three = std::vector<NumberSet>(1000);
};

const CodeTable& codeTable()
{
    static const CodeTable table = [] {
        CodeTable t;
        const auto& digits = digitTable();
        for (int v = 0; v < kNumberCount; ++v) {
            auto d = digits[std::size_t(v)];
            std::sort(d.begin(), d.end());
            for (int a = 0; a < 4; ++a)
                for (int b = a + 1; b < 4; ++b) {
                    t.two[std::size_t(d[a] * 10 + d[b])].set(v);
                    for (int c = b + 1; c < 4; ++c)
                        t.three[std::size_t(d[a] * 100 + d[b] * 10 + d[c])].set(v);
                }
        }
        return t;
    }();
    return table;
}

// The key of a code: its k digits in ascending order, read as a decimal number.
int codeKey(unsigned* d, int k)
{
    if (d[0] > d[1])
        std::swap(d[0], d[1]);
    if (k == 3 && d[1] > d[2]) {
        std::swap(d[1], d[2]);
        if (d[0] > d[1])
            std::swap(d[0], d[1]);
    }
    return k == 2 ? int(d[0] * 10 + d[1]) : int(d[0] * 100 + d[1] * 10 + d[2]);
}

NumberSet numbersHoldingKeys(const std::bitset<1000>& keys, int k)
{
    const auto& sets = k == 2 ? codeTable().two : codeTable().three;
    NumberSet result;
    for (std::size_t key = 0; key < sets.size(); ++key)
        if (keys.test(key))
            result |= sets[key];
    return result;
}

} // namespace

NumberSet numbersContainingAnyCode(std::string_view normalizedList, int k)
{
    std::bitset<1000> keys; // each distinct code once, however long the list
    const std::size_t size = normalizedList.size();
    std::size_t start = 0;
    while (start < size) {
        std::size_t end = start; // items are short: a plain scan beats a search call each
        while (end < size && normalizedList[end] != ' ')
            ++end;
        const auto item = normalizedList.substr(start, end - start);
        start = end + 1;
        if (int(item.size()) < k)
            continue; // too short to be a code
        unsigned d[3] = {};
        bool digitsOnly = true;
        for (int j = 0; j < k; ++j) {
            d[j] = unsigned(item[std::size_t(j)] - '0');
            digitsOnly = digitsOnly && d[j] < 10;
        }
        if (digitsOnly) // else not a normalised item
            keys.set(std::size_t(codeKey(d, k)));
    }
    return numbersHoldingKeys(keys, k);
}

namespace {

// A list takes part when its box is not empty and holds a digit; it is written back
// normalised.
StageRows codeListRow(ControlId control, std::string_view box, int k, bool must)
{
    if (isEmptyBox(box, controlMeta(control).help) || !codeListActive(box))
        return {};
    std::string normalized = NormalizeDigitGroups(trimSpaces(box));
    NumberSet holders = numbersContainingAnyCode(normalized, k);
    StageRows rows = oneRow(control, must ? ~holders : std::move(holders));
    rows.front().normalizedText = std::move(normalized);
    return rows;
}

} // namespace

StageRows KillTwoCodeStage(const ConditionInputs& in)
{
    return codeListRow(ControlId::killTwoCodes, in.killTwoCodes, 2, false);
}

StageRows KillThreeCodeStage(const ConditionInputs& in)
{
    return codeListRow(ControlId::killThreeCodes, in.killThreeCodes, 3, false);
}

StageRows MustTwoCodeStage(const ConditionInputs& in)
{
    return codeListRow(ControlId::mustTwoCodes, in.mustTwoCodes, 2, true);
}

StageRows MustThreeCodeStage(const ConditionInputs& in)
{
    return codeListRow(ControlId::mustThreeCodes, in.mustThreeCodes, 3, true);
}

} // namespace shrink4
