#include "reference/ReferenceTrends.h"

#include "engine/FilterRun.h"
#include "engine/Statistics.h"

#include <algorithm>
#include <set>
#include <string>

namespace shrink4::reference {

namespace {

using namespace trends;

std::array<int, 4> digitsOf(int number)
{
    return {number / 1000, number / 100 % 10, number / 10 % 10, number % 10};
}

// The symbol of a digit in each shape family, in the order of the families.
std::string symbol(Family family, int d)
{
    switch (family) {
    case Family::bigSmall:
        return d >= 5 ? "大" : "小";
    case Family::oddEven:
        return d % 2 ? "奇" : "偶";
    case Family::primeComposite:
        return d == 1 || d == 2 || d == 3 || d == 5 || d == 7 ? "质" : "合";
    default:
        return std::to_string(d % 3);
    }
}

bool shows(const Track& track, std::string_view value, int number)
{
    const auto d = digitsOf(number);
    const int sum = d[0] + d[1] + d[2] + d[3];
    const auto [lo, hi] = std::minmax_element(d.begin(), d.end());
    const auto text = [](int v) { return std::to_string(v); };
    switch (track.family) {
    case Family::position:
        return text(d[std::size_t(track.position - 1)]) == value;
    case Family::digit:
        return std::any_of(d.begin(), d.end(), [&](int x) { return text(x) == value; });
    case Family::sumTail:
        return text(sum % 10) == value;
    case Family::span:
        return text(*hi - *lo) == value;
    case Family::sum:
        return std::string{char('0' + sum / 10), char('0' + sum % 10)} == value;
    case Family::ac: {
        std::set<int> differences;
        for (int a = 0; a < 4; ++a)
            for (int b = a + 1; b < 4; ++b)
                differences.insert(std::abs(d[std::size_t(a)] - d[std::size_t(b)]));
        return text(int(differences.size())) == value;
    }
    default: {
        std::string code;
        for (int x : d)
            code += symbol(track.family, x);
        return code == value;
    }
    }
}

// How many of 0000..9999 show each value of each track, counted once.
int shareOf(int track, int value)
{
    static const auto counted = [] {
        std::vector<std::vector<int>> shares;
        for (const auto& t : tracks()) {
            shares.emplace_back();
            for (const auto v : familyInfo(t.family).values) {
                int count = 0;
                for (int number = 0; number < 10000; ++number)
                    count += shows(t, v, number);
                shares.back().push_back(count);
            }
        }
        return shares;
    }();
    return counted[std::size_t(track)][std::size_t(value)];
}

ReferenceValueFigures figuresOf(int trackIndex, int valueIndex, std::span<const Draw> window)
{
    const auto& track = tracks()[std::size_t(trackIndex)];
    const auto value = familyInfo(track.family).values[std::size_t(valueIndex)];
    ReferenceValueFigures f;
    f.share = shareOf(trackIndex, valueIndex);
    const int n = int(window.size());
    int run = 0;
    f.current = n;
    for (int i = 0; i < n; ++i) {
        const bool shown = shows(track, value, window[std::size_t(i)].number);
        f.hits += shown;
        run = shown ? 0 : run + 1;
        f.max = std::max(f.max, run);
        if (shown)
            f.current = n - 1 - i;
    }
    return f;
}

// Cold: current x share, largest first, ties to fewer hits. Hot: hits - n x share, largest
// first, ties to smaller current. Both over 10000, so compared as whole numbers; the stable
// sort leaves the earlier value first.
std::vector<int> literalPick(const Rule& rule, int n, const std::vector<ReferenceValueFigures>& values)
{
    std::vector<int> order;
    for (int v = 0; v < int(values.size()); ++v)
        order.push_back(v);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const auto &fa = values[std::size_t(a)], &fb = values[std::size_t(b)];
        if (rule.leaning == Leaning::cold) {
            const long long ca = 1LL * fa.current * fa.share, cb = 1LL * fb.current * fb.share;
            return ca != cb ? ca > cb : fa.hits < fb.hits;
        }
        const long long ha = 10000LL * fa.hits - 1LL * n * fa.share, hb = 10000LL * fb.hits - 1LL * n * fb.share;
        return ha != hb ? ha > hb : fa.current < fb.current;
    });
    order.resize(std::min(order.size(), std::size_t(rule.count)));
    std::sort(order.begin(), order.end());
    return order;
}

} // namespace

std::vector<std::vector<ReferenceValueFigures>> referenceFigures(std::span<const Draw> window)
{
    std::vector<std::vector<ReferenceValueFigures>> all;
    for (int track = 0; track < kTrackCount; ++track) {
        all.emplace_back();
        for (int v = 0; v < valueCount(track); ++v)
            all.back().push_back(figuresOf(track, v, window));
    }
    return all;
}

std::vector<ReferenceTested> referenceWalkForward(const ConditionInputs& scheme, std::span<const Draw> draws,
                                                  std::span<const Rule> rules, int windowSize, int last)
{
    std::vector<ReferenceTested> tested;
    const int total = int(draws.size());
    for (int t = last > 0 ? std::max(0, total - last) : 0; t < total; ++t) {
        if (t < windowSize)
            continue;
        const auto recent = draws.subspan(std::size_t(t - windowSize), std::size_t(windowSize));
        ReferenceTested r{t, false, 0, {}};
        for (const auto& rule : rules)
            for (int track = 0; track < kTrackCount; ++track) {
                const auto& tr = tracks()[std::size_t(track)];
                if (tr.family != rule.family || (rule.position != 0 && tr.position != rule.position))
                    continue;
                std::vector<ReferenceValueFigures> figures;
                for (int v = 0; v < valueCount(track); ++v)
                    figures.push_back(figuresOf(track, v, recent));
                r.picks.push_back({track, literalPick(rule, windowSize, figures)});
            }
        ConditionInputs inputs = scheme;
        applyPicks(inputs, r.picks);
        const auto run = filterRun(inputs);
        r.listed = explainNumber(run, draws[std::size_t(t)].number).listed;
        r.survivors = run.list.count;
        tested.push_back(std::move(r));
    }
    return tested;
}

} // namespace shrink4::reference
