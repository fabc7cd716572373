#include "SpecialExclusionStage.h"

#include "StageRows.h"
#include "core/NumberTables.h"
#include "core/TextScan.h"

#include <algorithm>

namespace shrink4 {

std::string distinctDigits(int value)
{
    auto d = digitTable()[std::size_t(value)];
    std::sort(d.begin(), d.end());
    std::string s;
    for (auto digit : d)
        if (s.empty() || s.back() != char('0' + digit))
            s.push_back(char('0' + digit));
    return s;
}

int RunClass(std::string_view s)
{
    const auto has = [s](std::string_view part) { return contains(s, part); };
    const std::size_t n = s.size();
    // Four in a row, with the wrap-around sets 9012, 7890 and 8901 (the digits 0189).
    if (n == 4 && (s[3] - s[0] == 3 || s == "0129" || s == "0789" || s == "0189"))
        return 4;
    if (n >= 3) {
        for (std::string_view row : {"012", "123", "234", "345", "456", "567", "678", "789", "089"})
            if (has(row))
                return 3;
        if ((has("01") && s.back() == '9') || (has("89") && has("0")))
            return 3;
    }
    if (n >= 2) {
        for (std::string_view pair : {"01", "12", "23", "34", "45", "56", "67", "78", "89"})
            if (has(pair))
                return 2;
        if (s.front() == '0' && s.back() == '9')
            return 2;
    }
    return 0;
}

const std::string& twoPairListText()
{
    static const std::string text = [] {
        std::string t;
        for (int v = 0; v < kNumberCount; ++v) {
            int tally[10] = {};
            for (auto d : digitTable()[std::size_t(v)])
                ++tally[d];
            if (std::count(std::begin(tally), std::end(tally), 2) == 2)
                t += numberText(v) + "*";
        }
        return t;
    }();
    return text;
}

namespace {

// Membership in the two-pair list is looked up in its text, like every typed list.
const NumberSet& twoPairMembers()
{
    static const NumberSet members = fourDigitWindows(twoPairListText());
    return members;
}

// The exclusion types in box order.
enum class Exclusion { Quad, NoRun, RunOfTwo, RunOfThree, RunOfFour, AllDistinct, Pair, Triple, TwoPairs };

bool hasType(Exclusion type, int value)
{
    const auto& digits = digitTable()[std::size_t(value)];
    int tally[10] = {};
    for (auto d : digits)
        ++tally[d];
    const int maxTally = *std::max_element(std::begin(tally), std::end(tally));
    const std::string distinct = distinctDigits(value);
    switch (type) {
    case Exclusion::Quad:
        return distinct.size() == 1;
    case Exclusion::NoRun:
        return RunClass(distinct) == 0;
    case Exclusion::RunOfTwo:
        return RunClass(distinct) >= 2;
    case Exclusion::RunOfThree:
        return RunClass(distinct) >= 3;
    case Exclusion::RunOfFour:
        return RunClass(distinct) == 4;
    case Exclusion::AllDistinct:
        return distinct.size() == 4;
    case Exclusion::Pair:
        return maxTally >= 2;
    case Exclusion::Triple:
        return maxTally >= 3;
    case Exclusion::TwoPairs:
        return twoPairMembers().test(value);
    }
    return false;
}

} // namespace

const NumberSet& specialExclusionSet(int type)
{
    static const auto sets = [] {
        std::array<NumberSet, 9> s{};
        for (int t = 0; t < 9; ++t)
            for (int v = 0; v < kNumberCount; ++v)
                if (hasType(Exclusion(t), v))
                    s[std::size_t(t)].set(v);
        return s;
    }();
    return sets[std::size_t(type)];
}

// The frame is one condition; a number fails once however many of its types are ticked.
void SpecialExclusionStage(const ConditionInputs& in, StageRows& rows)
{
    tickedRow(rows, ControlId::specialExclusions, in.specialExclusions, specialExclusionSet);
}

} // namespace shrink4
