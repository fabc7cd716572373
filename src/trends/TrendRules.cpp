#include "trends/TrendRules.h"

#include <algorithm>
#include <charconv>
#include <tuple>
#include <utility>

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

// A rule's FAMILY: a family's name, or position1 .. position4 for one position alone.
std::optional<std::pair<Family, int>> scopeNamed(std::string_view name)
{
    constexpr std::string_view position = "position";
    if (name.size() == position.size() + 1 && name.starts_with(position) && name.back() >= '1' && name.back() <= '4')
        return std::pair(Family::position, name.back() - '0');
    if (const auto family = familyNamed(name))
        return std::pair(*family, 0);
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
    const auto scope = scopeNamed(text.substr(0, first));
    const auto leaning = leaningNamed(text.substr(first + 1, second - first - 1));
    const auto count = positiveCount(text.substr(second + 1));
    if (!scope)
        *error =
            "unknown family; families are position, position1 to position4, digit, sum_tail, span, sum, ac, "
            "big_small, odd_even, prime_composite, road";
    else if (!leaning)
        *error = "the rule's second part must be cold or hot";
    else if (!count)
        *error = "K must be a whole number, 1 or more";
    if (!scope || !leaning || !count)
        return std::nullopt;
    return Rule{scope->first, *leaning, *count, scope->second};
}

std::string ruleText(const Rule& rule)
{
    std::string text(familyInfo(rule.family).name);
    if (rule.position > 0)
        text += std::to_string(rule.position);
    return text + ":" + std::string(kLeanings[std::size_t(rule.leaning)]) + ":" + std::to_string(rule.count);
}

Rule trackRule(int track, Leaning leaning, int count)
{
    const auto& t = tracks()[std::size_t(track)];
    return {t.family, leaning, count, t.position};
}

std::string_view ruleCaption(const Rule& rule)
{
    return rule.position > 0 ? captions::kPositions[std::size_t(rule.position - 1)] : familyInfo(rule.family).caption;
}

std::vector<int> pickTrack(Leaning leaning, int count, const TrackCounts& figures)
{
    // Each value's measure times 10000, a whole number, first; then its tie-break and itself.
    std::vector<std::tuple<std::int64_t, int, int>> order;
    for (std::size_t v = 0; v < figures.hits.size(); ++v) {
        const std::int64_t share = figures.shares[v];
        if (leaning == Leaning::cold)
            order.emplace_back(-(figures.current[v] * share), figures.hits[v], int(v));
        else
            order.emplace_back(figures.draws * share - std::int64_t(kNumberCount) * figures.hits[v], figures.current[v],
                               int(v));
    }
    const auto k = std::min(order.size(), std::size_t(count));
    std::partial_sort(order.begin(), order.begin() + std::ptrdiff_t(k), order.end());
    std::vector<int> picked;
    for (std::size_t i = 0; i < k; ++i)
        picked.push_back(std::get<2>(order[i]));
    std::sort(picked.begin(), picked.end());
    return picked;
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
