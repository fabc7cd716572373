#include "trends/TrendRules.h"

#include <algorithm>
#include <charconv>
#include <numeric>
#include <tuple>

namespace shrink4::trends {

namespace {

constexpr std::string_view kLeanings[] = {"cold", "hot"};

std::optional<Leaning> leaningNamed(std::string_view name)
{
    for (std::size_t i = 0; i < std::size(kLeanings); ++i)
        if (kLeanings[i] == name)
            return Leaning(i);
    return std::nullopt;
}

std::optional<int> positiveCount(std::string_view text)
{
    int k = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), k);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || k < 1)
        return std::nullopt;
    return k;
}

std::span<int> boxesFed(ConditionInputs& in, Family family)
{
    switch (family) {
    case Family::position:
        return in.positionDigits;
    case Family::digit:
        return in.universalDigits;
    case Family::sumTail:
        return in.sumTails;
    case Family::span:
        return in.spans;
    case Family::ac:
        return in.acValues;
    case Family::bigSmall:
        return in.bigSmallShapes;
    case Family::oddEven:
        return in.oddEvenShapes;
    case Family::primeComposite:
        return in.primeCompositeShapes;
    case Family::road:
        return in.roadShapes;
    case Family::sum:
        break;
    }
    return {};
}

void addSums(std::string& box, const std::vector<int>& sums)
{
    if (sums.empty())
        return;
    std::string text;
    for (const int s : sums)
        text.append(text.empty() ? "" : ".").append(familyInfo(Family::sum).values[std::size_t(s)]);
    if (isEmptyBox(box, controlMeta(ControlId::sumValues).help))
        box = text;
    else
        box.append(".").append(text);
}

} // namespace

std::optional<Rule> parseRule(std::string_view text, std::string* error)
{
    const auto first = text.find(':');
    const auto second = first == text.npos ? text.npos : text.find(':', first + 1);
    if (second == text.npos) {
        *error = "a rule is FAMILY:cold:K or FAMILY:hot:K";
        return std::nullopt;
    }
    const auto family = familyNamed(text.substr(0, first));
    const auto leaning = leaningNamed(text.substr(first + 1, second - first - 1));
    const auto count = positiveCount(text.substr(second + 1));
    if (!family)
        *error =
            "unknown family; families are position, digit, sum_tail, span, sum, ac, big_small, odd_even, "
            "prime_composite, road";
    else if (!leaning)
        *error = "the rule's second part must be cold or hot";
    else if (!count)
        *error = "K must be a whole number, 1 or more";
    if (!family || !leaning || !count)
        return std::nullopt;
    return Rule{*family, *leaning, *count};
}

std::string ruleText(const Rule& rule)
{
    return std::string(familyInfo(rule.family).name) + ":" + std::string(kLeanings[std::size_t(rule.leaning)]) + ":"
           + std::to_string(rule.count);
}

std::vector<int> pickTrack(Leaning leaning, int count, std::span<const int> hits, std::span<const int> current)
{
    std::vector<int> order(hits.size());
    std::iota(order.begin(), order.end(), 0);
    const auto before = [&](int a, int b) {
        const auto ia = std::size_t(a), ib = std::size_t(b);
        if (leaning == Leaning::cold)
            return std::tuple(-current[ia], hits[ia], a) < std::tuple(-current[ib], hits[ib], b);
        return std::tuple(-hits[ia], current[ia], a) < std::tuple(-hits[ib], current[ib], b);
    };
    const auto k = std::min(order.size(), std::size_t(count));
    std::partial_sort(order.begin(), order.begin() + std::ptrdiff_t(k), order.end(), before);
    order.resize(k);
    std::sort(order.begin(), order.end());
    return order;
}

void applyPicks(ConditionInputs& inputs, std::span<const TrackPick> picks)
{
    for (const auto& pick : picks) {
        const auto& track = tracks()[std::size_t(pick.track)];
        if (track.family == Family::sum) {
            addSums(inputs.sumValues, pick.values);
            continue;
        }
        const auto boxes = boxesFed(inputs, track.family);
        const int first = track.family == Family::position ? 10 * (track.position - 1) : 0;
        for (const int v : pick.values)
            boxes[std::size_t(first + v)] = 1;
    }
}

} // namespace shrink4::trends
