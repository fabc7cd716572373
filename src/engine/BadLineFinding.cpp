#include "engine/BadLineFinding.h"

#include "engine/LineDates.h"
#include "engine/LineDigits.h"

#include <string>
#include <vector>

namespace shrink4 {

namespace {

struct Group {
    std::size_t begin = 0;
    std::size_t end = 0;
    int digits = 0;
};

std::vector<Group> groupsOf(std::string_view line)
{
    std::vector<Group> groups;
    for (std::size_t at = 0; at < line.size();) {
        if (digitWidth(line, at) == 0) {
            ++at;
            continue;
        }
        Group g{at, at, 0};
        for (std::size_t width; (width = digitWidth(line, g.end)) != 0; g.end += width)
            ++g.digits;
        groups.push_back(g);
        at = g.end;
    }
    return groups;
}

// How many groups at the end are single digits.
std::size_t trailingSingles(const std::vector<Group>& groups)
{
    std::size_t count = 0;
    while (count < groups.size() && groups[groups.size() - 1 - count].digits == 1)
        ++count;
    return count;
}

LineFinding noNumber(const std::vector<Group>& groups, int digits)
{
    const Group& last = groups.back();
    if (last.digits > digits && last.digits <= kMaxDrawDigits)
        return {FindingKind::longNumber, last.digits, last.begin, last.end};
    // The draw is most likely the first group of its size after the issue; a trial number
    // of the same size may follow it.
    const std::size_t from = groups.front().digits >= 5 ? 1 : 0;
    for (std::size_t k = from; k + 1 < groups.size(); ++k)
        if (groups[k].digits == digits)
            return {FindingKind::columnsAfter, digits, groups[k + 1].begin, last.end};
    return {};
}

LineFinding digitsAfterLabel(const std::vector<Group>& groups, int digits)
{
    const std::size_t singles = trailingSingles(groups);
    if (singles > std::size_t(digits)) {
        const Group& first = groups[groups.size() - singles];
        return {FindingKind::longSingles, int(singles), first.begin, groups.back().end};
    }
    std::size_t label = 0;
    while (groups[label].digits < 5)
        ++label;
    const std::size_t numberAt =
        groups.back().digits == digits ? groups.size() - 1 : groups.size() - std::size_t(digits);
    return {FindingKind::digitsBetween, 0, groups[label + 1].begin, groups[numberAt - 1].end};
}

} // namespace

LineFinding findOnBadLine(std::string_view line, LineVerdict verdict, const DrawsLayout& layout)
{
    if (!layout.columns.empty())
        return {};
    std::string scratch;
    const std::vector<Group> groups = groupsOf(withoutDatesAndTimes(line, scratch));
    if (groups.empty())
        return {};
    if (verdict == LineVerdict::NoNumber)
        return noNumber(groups, layout.digits);
    if (verdict == LineVerdict::DigitsAfterLabel)
        return digitsAfterLabel(groups, layout.digits);
    return {};
}

} // namespace shrink4
