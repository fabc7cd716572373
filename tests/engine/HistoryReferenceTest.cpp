// Statistics, explanations, the draws reader and the backtest against their literal
// counterparts in tests/reference, on a fixed-seed stream of random schemes and draws.

#include "engine/Backtest.h"
#include "engine/Draws.h"
#include "engine/FilterRun.h"
#include "engine/Statistics.h"
#include "reference/RandomInputs.h"
#include "reference/ReferenceHistory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <sstream>

namespace {

using namespace shrink4;
using namespace shrink4::reference;

std::string compareStatistics(const RunStatistics& e, const ReferenceStatistics& r)
{
    std::ostringstream os;
    if (e.count != r.count || e.pool != r.pool)
        os << "count/pool: engine " << e.count << "/" << e.pool << ", reference " << r.count << "/" << r.pool << "\n";
    if (e.histogram != r.histogram)
        os << "histograms differ (engine " << e.histogram.size() << " bars, reference " << r.histogram.size() << ")\n";
    if (e.rows.size() != r.rows.size())
        os << "rows: engine " << e.rows.size() << ", reference " << r.rows.size() << "\n";
    for (std::size_t i = 0; i < e.rows.size() && i < r.rows.size(); ++i) {
        const auto& a = e.rows[i];
        const auto& b = r.rows[i];
        if (a.key != b.key || a.kills != b.kills || a.killsInPool != b.killsInPool || a.only != b.only)
            os << "row " << i << ": engine " << a.key << " " << a.kills << "/" << a.killsInPool << "/" << a.only
               << ", reference " << b.key << " " << b.kills << "/" << b.killsInPool << "/" << b.only << "\n";
    }
    return os.str();
}

std::string compareExplanations(int number, const NumberExplanation& e, const ReferenceExplanation& r)
{
    if (e.listed == r.listed && e.inPool == r.inPool && e.failCount == r.failCount
        && std::equal(e.failed.begin(), e.failed.end(), r.failed.begin(), r.failed.end()))
        return {};
    std::ostringstream os;
    os << "number " << number << ": engine listed " << e.listed << " in pool " << e.inPool << " fails " << e.failCount
       << ", reference " << r.listed << " " << r.inPool << " " << r.failCount << "\n";
    return os.str();
}

std::string compareDraws(const DrawsReading& e, const ReferenceDraws& r)
{
    std::ostringstream os;
    if (!e.error.empty() || r.failed) {
        if (e.error.empty() != !r.failed || e.line != r.errorLine)
            os << "error: engine \"" << e.error << "\", reference " << (r.failed ? "line " : "none ") << r.errorLine
               << "\n";
        return os.str();
    }
    if (e.draws.size() != r.draws.size())
        return "draws: engine " + std::to_string(e.draws.size()) + ", reference " + std::to_string(r.draws.size())
               + "\n";
    for (std::size_t i = 0; i < e.draws.size(); ++i)
        if (e.draws[i].label != r.draws[i].label || e.draws[i].number != r.draws[i].number) {
            os << "draw " << i << " differs: engine " << e.draws[i].label.value_or("-") << " " << e.draws[i].number
               << ", reference " << r.draws[i].label.value_or("-") << " " << r.draws[i].number << "\n";
            break;
        }
    return os.str();
}

bool near(double a, double b)
{
    return std::abs(a - b) < 1e-4;
}

std::string compareBacktests(const Backtest& e, const ReferenceBacktest& r)
{
    std::ostringstream os;
    const auto& s = e.summary;
    if (s.draws != int(r.draws.size()) || s.listed != r.listed || !near(s.hitRate, r.hitRate)
        || s.survivors != r.survivors || !near(s.baseline, r.baseline) || s.lift.has_value() != r.lift.has_value()
        || (s.lift && !near(*s.lift, *r.lift)) || s.longestMissRun != r.longestMissRun
        || s.currentMissRun != r.currentMissRun)
        os << "summary: engine " << s.listed << "/" << s.draws << " runs " << s.longestMissRun << ","
           << s.currentMissRun << ", reference " << r.listed << "/" << r.draws.size() << " runs " << r.longestMissRun
           << "," << r.currentMissRun << "\n";
    const auto outside = std::count_if(r.draws.begin(), r.draws.end(),
                                       [](const ReferenceBacktestDraw& d) { return !d.explanation.inPool; });
    if (s.outsidePool != outside)
        os << "draws outside the pool: engine " << s.outsidePool << ", reference " << outside << "\n";
    for (std::size_t i = 0; i < e.outcomes.size() && i < r.draws.size(); ++i)
        os << compareExplanations(e.outcomes[i].draw.number, e.outcomes[i].explanation, r.draws[i].explanation);
    if (e.rows.size() != r.killedDraws.size())
        os << "condition rows: engine " << e.rows.size() << ", reference " << r.killedDraws.size() << "\n";
    for (std::size_t i = 0; i < e.rows.size() && i < r.killedDraws.size(); ++i)
        if (e.rows[i].key != r.killedDraws[i].first || e.rows[i].killedDraws != r.killedDraws[i].second
            || !near(e.rows[i].rate, double(r.killedDraws[i].second) / double(r.draws.size())))
            os << "row " << e.rows[i].key << ": engine " << e.rows[i].killedDraws << ", reference "
               << r.killedDraws[i].second << "\n";
    return os.str();
}

// The reference's rows must add up to its own FailCount: a check on the oracle itself.
std::string compareRowSums(const ReferenceAnalysis& a)
{
    for (int v = 0; v < 10000; ++v) {
        int n = 0;
        for (const auto& row : a.rows)
            n += row.fails[std::size_t(v)] ? 1 : 0;
        if (n != a.run.failCount[std::size_t(v)])
            return "reference rows give " + std::to_string(n) + " failures for " + std::to_string(v) + ", its run "
                   + std::to_string(a.run.failCount[std::size_t(v)]) + "\n";
    }
    return {};
}

std::string compareAll(const ConditionInputs& in, std::mt19937& rng)
{
    const RunResult e = filterRun(in);
    const ReferenceAnalysis a = referenceAnalysis(in);
    std::string diff = compareRowSums(a) + compareStatistics(runStatistics(e), referenceStatistics(a));
    std::vector<int> numbers = {int(rng() % 10000), int(rng() % 10000)};
    if (!a.run.numbers.empty())
        numbers.push_back(a.run.numbers[rng() % a.run.numbers.size()]);
    for (int n : numbers)
        diff += compareExplanations(n, explainNumber(e, n), referenceExplain(a, n));
    // Now and then a longer draw, of which any four in a row are taken.
    const int digits = rng() % 4 == 0 ? 5 + int(rng() % 3) : 4;
    const int take = int(rng() % unsigned(digits - 3));
    const std::string text = randomDrawsText(rng, digits);
    const DrawsReading reading = readDraws(text, DrawsLayout{digits, take, {}});
    const ReferenceDraws draws = referenceReadDraws(text, digits, take);
    const std::string drawsDiff = compareDraws(reading, draws);
    if (!drawsDiff.empty())
        return diff + drawsDiff + "draws text:\n" + cppLiteral(text) + "\n";
    if (draws.failed)
        return diff;
    const int last = rng() % 3 == 0 ? 1 + int(rng() % (draws.draws.size() + 3)) : 0;
    std::vector<Draw> latest(reading.draws.begin(), reading.draws.end());
    if (last > 0 && std::size_t(last) < latest.size())
        latest.erase(latest.begin(), latest.end() - last);
    return diff + compareBacktests(backtest(e, latest), referenceBacktest(a, draws.draws, last));
}

constexpr int kChunks = 4;
constexpr int kSchemesPerChunk = 30;

class HistoryReference : public ::testing::TestWithParam<int> {};

TEST_P(HistoryReference, RandomSchemesAndDrawsAgree)
{
    std::mt19937 rng(20261207u + 104729u * static_cast<unsigned>(GetParam()));
    int reports = 0;
    for (int k = 0; k < kSchemesPerChunk && reports < 3; ++k) {
        const ConditionInputs in = randomInputs(rng);
        const std::string diff = compareAll(in, rng);
        if (!diff.empty()) {
            ++reports;
            ADD_FAILURE() << "scheme " << k << "\nInput:\n" << describeInputs(in) << "Differences:\n" << diff;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Stream, HistoryReference, ::testing::Range(0, kChunks));

} // namespace
