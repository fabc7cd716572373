#pragma once
// A trials file: one rule test a line, written as its backtest options (--rule R … --window W
// [--last N]); blank lines and lines starting with # are skipped.

#include "trends/Trials.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace shrink4::cli {

struct TrialsFileReading {
    std::vector<trends::Trial> trials; // empty when error is set
    QString error;                     // names the line
};

TrialsFileReading parseTrialsFile(const QByteArray& bytes);

} // namespace shrink4::cli
