// Per-row costs, the failure histogram and one number's explanation, against a recount
// number by number from the rows a run keeps.

#include "engine/RunWith.h"
#include "core/TextScan.h"
#include "engine/Statistics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

using namespace shrink4;
using shrink4::testing::runWith;

namespace {

using Edit = std::function<void(ConditionInputs&)>;

template <std::size_t N>
void tickSome(std::array<int, N>& boxes, std::mt19937& rng, int oneIn)
{
    for (auto& b : boxes)
        b = int(rng() % unsigned(oneIn) == 0);
}

// A scheme with a random handful of rows, sometimes several failing the same numbers.
Edit randomScheme(unsigned seed)
{
    return [seed](ConditionInputs& in) {
        std::mt19937 rng(seed);
        tickSome(in.sumTails, rng, 4);
        tickSome(in.spans, rng, 5);
        tickSome(in.acValues, rng, 4);
        tickSome(in.specialShapes, rng, 2);
        tickSome(in.specialExclusions, rng, 4);
        tickSome(in.oddEvenShapes, rng, 6);
        tickSome(in.positionDigits, rng, 8);
        in.killTwoCodes = std::to_string(rng() % 10) + std::to_string(rng() % 10);
        if (seed % 2) // every other scheme with a base pool
            for (int i = 0; i < 3000; ++i)
                in.basePool += numberText(int(rng() % 10000)) + " ";
    };
}

struct Recount {
    std::vector<int> kills, killsInPool, only, histogram;
};

// Counts each number's failing rows one by one, without the run's own bookkeeping.
Recount recount(const RunResult& run)
{
    Recount r;
    const auto rows = run.rows.size();
    r.kills.assign(rows, 0);
    r.killsInPool.assign(rows, 0);
    r.only.assign(rows, 0);
    for (int v = 0; v < 10000; ++v) {
        const bool inPool = !run.outsidePool.test(v);
        int fails = 0;
        for (std::size_t i = 0; i < rows; ++i)
            fails += run.rows[i].fails.test(v);
        EXPECT_EQ(run.failCount.value(v), fails) << v;
        for (std::size_t i = 0; i < rows; ++i)
            if (run.rows[i].fails.test(v)) {
                ++r.kills[i];
                r.killsInPool[i] += inPool;
                r.only[i] += inPool && fails == 1;
            }
        if (!inPool)
            continue;
        if (std::size_t(fails) >= r.histogram.size())
            r.histogram.resize(std::size_t(fails) + 1, 0);
        ++r.histogram[std::size_t(fails)];
    }
    return r;
}

} // namespace

TEST(Statistics, MatchRecountNumberByNumber)
{
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
        const auto run = runWith(randomScheme(seed));
        const auto stats = runStatistics(run);
        const auto expected = recount(run);
        ASSERT_GE(expected.histogram.size(), 3u) << seed; // rows overlap, so "only" is tested
        ASSERT_EQ(stats.rows.size(), run.rows.size()) << seed;
        for (std::size_t i = 0; i < stats.rows.size(); ++i) {
            EXPECT_EQ(stats.rows[i].kills, expected.kills[i]) << seed << " " << stats.rows[i].key;
            EXPECT_EQ(stats.rows[i].killsInPool, expected.killsInPool[i]) << seed << " " << stats.rows[i].key;
            EXPECT_EQ(stats.rows[i].only, expected.only[i]) << seed << " " << stats.rows[i].key;
        }
        EXPECT_EQ(stats.histogram, expected.histogram) << seed;
        EXPECT_EQ(stats.pool, 10000 - run.outsidePool.count()) << seed;
        EXPECT_EQ(stats.count, run.list.count) << seed;
    }
}

TEST(Statistics, ExplainAgreesWithRowsAndList)
{
    const auto run = runWith(randomScheme(3));
    for (int v : {0, 1234, 5555, 9876, 9999, run.list.numbers.empty() ? 42 : run.list.numbers.front()}) {
        const auto e = explainNumber(run, v);
        std::vector<std::string_view> failed;
        for (const auto& row : run.rows)
            if (row.fails.test(v))
                failed.push_back(rowKey(row));
        EXPECT_EQ(e.failed, failed) << v;
        EXPECT_EQ(e.failCount, int(failed.size())) << v;
        EXPECT_EQ(e.inPool, !run.outsidePool.test(v)) << v;
        const auto& listed = run.list.numbers;
        EXPECT_EQ(e.listed, std::find(listed.begin(), listed.end(), v) != listed.end()) << v;
    }
}

// Figures worked out by hand: 974 numbers hold both 1 and 2 (10000 - 2*9^4 + 8^4), 2000
// have a sum ending in 0 or 1; of the pool, 1234 falls to both.
TEST(Statistics, HandCountedScheme)
{
    const auto run = runWith([](ConditionInputs& in) {
        in.killTwoCodes = "12";
        in.sumTails[0] = in.sumTails[1] = 1;
        in.specialShapes[1] = 1;
        in.basePool = "1234 1200 5678 0000 1111 0202 0001";
    });
    const auto s = runStatistics(run);
    ASSERT_EQ(s.rows.size(), 3u);
    EXPECT_EQ(s.rows[0].key, "T_main_sha_2ma");
    EXPECT_EQ(s.rows[1].key, "Check_hewei_sha");
    EXPECT_EQ(s.rows[2].key, "Check_tebie_paichu1(1)");
    EXPECT_EQ(s.rows[2].caption, "下山");
    EXPECT_EQ((std::vector<int>{s.rows[0].kills, s.rows[0].killsInPool, s.rows[0].only}),
              (std::vector<int>{974, 2, 1}));
    EXPECT_EQ((std::vector<int>{s.rows[1].kills, s.rows[1].killsInPool}), (std::vector<int>{2000, 3}));
    EXPECT_EQ(s.pool, 7);
    EXPECT_EQ(explainNumber(run, 1234).failed, (std::vector<std::string_view>{"T_main_sha_2ma", "Check_hewei_sha"}));
}

TEST(Statistics, EmptyPoolHasAnEmptyHistogram)
{
    const auto s = runStatistics(runWith([](ConditionInputs& in) { in.basePool = "abc"; }));
    EXPECT_EQ(s.pool, 0);
    EXPECT_TRUE(s.histogram.empty());
}
