#pragma once
// What each condition row of a run costs, how the failure counts spread over the base
// pool, and why one number is or is not listed.

#include "engine/FilterRun.h"

#include <string>
#include <string_view>
#include <vector>

namespace shrink4 {

// A row's name in files and on the command line; a special shape row carries its shape.
// Both point into tables that live as long as the program.
std::string_view rowKey(const ConditionRow& row);
std::string_view rowCaption(const ConditionRow& row);

struct RowStatistics {
    std::string key;
    std::string_view caption;
    int kills = 0;       // numbers of 0000..9999 the row fails
    int killsInPool = 0; // of those, inside the base pool
    int only = 0;        // inside the pool, failed by this row and no other
};

struct RunStatistics {
    int count = 0;                   // survivors, as the run lists them
    int pool = 0;                    // numbers inside the base pool
    std::vector<RowStatistics> rows; // run order
    std::vector<int> histogram;      // [k]: pool numbers failed exactly k times
};

RunStatistics runStatistics(const RunResult& run);

struct NumberExplanation {
    bool listed = false;
    bool inPool = false;
    int failCount = 0;
    std::vector<std::string_view> failed; // keys of the rows that fail it, run order
};

NumberExplanation explainNumber(const RunResult& run, int number);

} // namespace shrink4
