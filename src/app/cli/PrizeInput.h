#pragma once
// --prizes TABLE: the prize table a command prices tickets with.

#include "engine/PrizeTable.h"

#include <QCommandLineOption>
#include <QString>

#include <optional>

namespace shrink4::cli {

QCommandLineOption prizesOption();

// Reads TABLE, printing why not on failure.
std::optional<PrizeTable> loadPrizeTable(const QString& command, const QString& path);

} // namespace shrink4::cli
