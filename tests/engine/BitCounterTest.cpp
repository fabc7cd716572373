// The bit-plane counter against plain per-number counts: sets added one at a time and
// many at once, across every plane boundary and into saturation.

#include "core/BitCounter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <utility>
#include <vector>

using namespace shrink4;

namespace {

// Random sets of assorted density; 0000..0099 are in every one, so their count is the
// number of adds.
std::vector<NumberSet> randomSets(std::mt19937& rng, int count)
{
    std::vector<NumberSet> sets(static_cast<std::size_t>(count));
    for (auto& s : sets) {
        const unsigned oneIn = 1 + rng() % 6;
        for (int v = 0; v < kNumberCount; ++v)
            if (v < 100 || rng() % oneIn == 0)
                s.set(v);
    }
    return sets;
}

NumberSet numbersWhere(const std::vector<int>& counts, auto&& keep)
{
    NumberSet s;
    for (int v = 0; v < kNumberCount; ++v)
        if (keep(counts[std::size_t(v)]))
            s.set(v);
    return s;
}

// Tolerance windows as the boxes give them: fractions, inverted, unbounded, not a number.
constexpr double kInf = std::numeric_limits<double>::infinity();
const std::pair<double, double> kWindows[] = {{0, 0},     {1, 3},    {0.5, 2.5}, {2, 1},
                                              {-kInf, 4}, {5, kInf}, {62.5, 63}, {std::nan(""), 3}};

} // namespace

TEST(BitCounter, AgreesWithPlainCountsWhateverTheNumberOfAdds)
{
    std::mt19937 rng(11);
    NumberSet within; // an uneven part of the numbers, for the histogram
    for (int v = 0; v < kNumberCount; v += 1 + int(rng() % 3))
        within.set(v);
    for (const int adds : {1, 2, 3, 7, 8, 16, 25, 63, 64, 70}) {
        const auto sets = randomSets(rng, adds);
        BitCounter counter;
        std::vector<int> plain(kNumberCount, 0);
        for (std::size_t i = 0; i < sets.size();) { // batches of 1..9 sets
            const std::size_t n = std::min<std::size_t>(1 + rng() % 9, sets.size() - i);
            std::vector<const NumberSet*> batch;
            for (std::size_t j = i; j < i + n; ++j) {
                batch.push_back(&sets[j]);
                sets[j].forEach([&](int v) { plain[std::size_t(v)] = std::min(plain[std::size_t(v)] + 1, 63); });
            }
            if (n == 1)
                counter.add(sets[i]);
            else
                counter.add(batch);
            i += n;
        }
        for (int v = 0; v < kNumberCount; ++v)
            ASSERT_EQ(counter.value(v), plain[std::size_t(v)]) << adds << " adds, number " << v;
        for (int k = -1; k <= adds + 1; ++k) {
            EXPECT_EQ(counter.equals(k), numbersWhere(plain, [k](int c) { return c == k; })) << adds << " " << k;
            EXPECT_EQ(counter.atLeast(k), numbersWhere(plain, [k](int c) { return c >= k; })) << adds << " " << k;
        }
        for (const auto& [lo, hi] : kWindows) {
            const auto expected = numbersWhere(plain, [&](int c) { return c - lo >= 0 && c - hi <= 0; });
            EXPECT_EQ(counter.inRange(lo, hi), expected) << adds << " adds, [" << lo << ", " << hi << "]";
        }
        std::vector<int> histogram;
        within.forEach([&](int v) {
            const auto c = std::size_t(plain[std::size_t(v)]);
            histogram.resize(std::max(histogram.size(), c + 1), 0);
            ++histogram[c];
        });
        EXPECT_EQ(counter.histogram(within), histogram) << adds;
    }
    EXPECT_EQ(BitCounter{}.histogram(NumberSet::all()), std::vector<int>{kNumberCount}); // every count 0
    EXPECT_TRUE(BitCounter{}.histogram(NumberSet{}).empty());
}
