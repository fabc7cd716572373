#pragma once
// The literal reference implementation of a filter run and the prize check, used as a test
// oracle for the bitset engine. It follows the rules step by step: int32 tables indexed
// 1..10000, substring searches per number, the stage table of a run row by row. It is
// deliberately slow and plain and shares no code with the engine beyond the
// ConditionInputs and NumberSet types.
//
// Like the engine, it takes the digit set {0,1,8,9} (DistinctDigits "0189") as a
// four-run (RunClass 4), so "4连" covers 240 numbers.

#include "conditions/ConditionTable.h"
#include "core/NumberSet.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace shrink4::reference {

struct ReferenceResult {
    std::int32_t conditionCount = 0; // ConditionCount when the verdict was taken
    NumberSet verdict;               // numbers whose FailCount became 100
    NumberSet outsidePool;           // numbers with PoolMask 1
    std::vector<int> numbers;        // listed numbers (values), ascending
    std::vector<std::string> lines;  // Li_out items
    std::string resultText;          // ResultText
    std::string prizeCheckText;      // PrizeCheckText
    int count = 0;                   // dadi_zhushu
    // (box name, text) for every code-list box the run wrote back, in the order written.
    std::vector<std::pair<std::string, std::string>> rewritten;
    std::vector<int> failCount; // FailCount before the verdict, by number value
};

ReferenceResult referenceRun(const ConditionInputs& inputs);

// One condition row: its key in statistics and the numbers (by value) it fails.
struct ReferenceRow {
    std::string key;
    std::vector<bool> fails;
};

// The rows that take part in a run, in run order, each found by running its stage alone
// on fresh tables.
std::vector<ReferenceRow> referenceRows(const ConditionInputs& inputs);

struct ReferencePrizeVerdict {
    std::string caption;
    std::vector<int> selectedLines;
};

// Literal T_duijiang_Change with SelectMatchingLines.
ReferencePrizeVerdict referencePrizeCheck(std::string_view prizeCheckText, const std::vector<std::string>& lines,
                                          std::string_view typed);

// Literal helpers, exposed for targeted tests.
std::string trimSpaces(std::string_view s);              // only the space character
std::vector<std::string> characters(std::string_view s); // UTF-8 code points
std::size_t characterCount(std::string_view s);
std::vector<std::string> splitAt(std::string_view s, std::string_view separator); // every piece, empty ones included
std::string normalizeCodeList(std::string_view s);                                // the four literal steps
double lenientNumber(std::string_view s);        // leading number of a text, 0 when none
std::int32_t toleranceBound(std::string_view s); // parse, half-even, clamp to int32
std::string twoPairsText();                      // the design text of T_duizi_by
int runClass(const std::string& distinctDigits); // with 0189 as a four-run

} // namespace shrink4::reference
