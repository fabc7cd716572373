#pragma once
// The literal reference of the statistics, the explanation of one number, the past-draws
// reader and the backtest: per-number, per-row and per-draw loops over the reference run,
// sharing nothing with the engine's bookkeeping.

#include "reference/ReferenceRun.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace shrink4::reference {

// A run with its condition rows: what every question below is answered from.
struct ReferenceAnalysis {
    ReferenceResult run;
    std::vector<ReferenceRow> rows;
};

ReferenceAnalysis referenceAnalysis(const ConditionInputs& inputs);

struct ReferenceStatRow {
    std::string key;
    int kills = 0;
    int killsInPool = 0;
    int only = 0;
};

struct ReferenceStatistics {
    int count = 0;
    int pool = 0;
    std::vector<ReferenceStatRow> rows;
    std::vector<int> histogram;
};

ReferenceStatistics referenceStatistics(const ReferenceAnalysis& a);

struct ReferenceExplanation {
    bool listed = false;
    bool inPool = false;
    int failCount = 0;
    std::vector<std::string> failed;
};

ReferenceExplanation referenceExplain(const ReferenceAnalysis& a, int number);

struct ReferenceDraw {
    std::optional<std::string> label;
    int number = 0;
};

struct ReferenceDraws {
    std::vector<ReferenceDraw> draws; // time order
    bool failed = false;
    int errorLine = 0; // the line an error names, 0 when it names none
};

// Draws of `digits` digits (4..7), of which the four from the 0-based `take` on count.
ReferenceDraws referenceReadDraws(std::string_view text, int digits = 4, int take = 0);

struct ReferenceBacktestDraw {
    ReferenceDraw draw;
    ReferenceExplanation explanation;
};

struct ReferenceBacktest {
    std::vector<ReferenceBacktestDraw> draws;
    int listed = 0;
    double hitRate = 0;
    int survivors = 0;
    double baseline = 0;
    std::optional<double> lift;
    int longestMissRun = 0;
    int currentMissRun = 0;
    std::vector<std::pair<std::string, int>> killedDraws; // per row, run order
};

// last: only the latest that many draws; 0 for all of them.
ReferenceBacktest referenceBacktest(const ReferenceAnalysis& a, const std::vector<ReferenceDraw>& draws, int last);

} // namespace shrink4::reference
