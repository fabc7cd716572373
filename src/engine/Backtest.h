#pragma once
// How a run would have fared against past draws: which were listed, which conditions
// failed them, and the hit rate against a random pick of the same size.

#include "engine/Draws.h"
#include "engine/FilterRun.h"
#include "engine/Statistics.h"

#include <optional>
#include <string>
#include <vector>

namespace shrink4 {

struct DrawOutcome {
    Draw draw;
    NumberExplanation explanation;
};

struct BacktestSummary {
    int draws = 0;
    int listed = 0;
    double hitRate = 0;
    int survivors = 0;
    double baseline = 0;        // survivors / 10000
    std::optional<double> lift; // none without survivors
    // The 95 % Wilson interval of hitRate: a lift whose interval covers the baseline shows
    // no skill. 0..1 without draws.
    double hitRateLow = 0;
    double hitRateHigh = 1;
    int longestMissRun = 0;
    int currentMissRun = 0; // ends at the latest draw
    int outsidePool = 0;    // draws the base pool leaves out: missed whatever they fail
};

struct RowDrawKills {
    std::string key;
    int killedDraws = 0;
    double rate = 0;
};

struct Backtest {
    std::vector<DrawOutcome> outcomes; // time order
    BacktestSummary summary;
    std::vector<RowDrawKills> rows; // run order
};

// draws in time order, not empty.
Backtest backtest(const RunResult& run, const std::vector<Draw>& draws);

} // namespace shrink4
