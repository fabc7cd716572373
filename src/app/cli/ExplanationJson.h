#pragma once
// Why a number is or is not listed, as the fields explain and backtest both print.

#include "cli/JsonOut.h"

#include "engine/Statistics.h"

namespace shrink4::cli {

// Adds in_pool, fail_count and failed, in that order.
void addExplanationFields(JsonObjectWriter& out, const NumberExplanation& e);

} // namespace shrink4::cli
