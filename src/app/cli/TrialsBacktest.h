#pragma once
// backtest --trials FILE [--chance S --seed N]: many rule tests on the same draws, the best
// judged against how many were tried, and optionally against the best of fair random draws.

#include "conditions/ConditionTable.h"
#include "engine/Draws.h"

#include <QCommandLineParser>

#include <vector>

namespace shrink4::cli {

// --trials, --chance and --seed.
std::vector<QCommandLineOption> trialsOptions();

// Whether any of them is given: the backtest is then the trials' alone.
bool wantsTrials(const QCommandLineParser& parser);

// Reads the trials file, runs them and prints the result; the exit status.
int trialsBacktest(const QCommandLineParser& parser, const QString& command, const ConditionInputs& scheme,
                   const std::vector<Draw>& draws);

} // namespace shrink4::cli
