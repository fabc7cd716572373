#pragma once
// Prize table files: JSON of a game's ticket price and prize tiers, read all or nothing,
// a refusal naming what is wrong.

#include "engine/PrizeTable.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace shrink4 {

// Twenty tiers take a kilobyte: a larger file is no prize table, and is not read.
inline constexpr qint64 kMaxPrizeTableBytes = qint64(1) * 1024 * 1024;

struct PrizeTableReading {
    std::optional<PrizeTable> table; // set on success
    QString error;                   // in English: the key or value at fault
};

PrizeTableReading parsePrizeTable(const QByteArray& bytes);

// The file's JSON as parsePrizeTable reads it.
QByteArray serializePrizeTable(const PrizeTable& table);

// The table the window starts with: 直选, 后三 and 组选 at example prizes.
PrizeTable examplePrizeTable();

} // namespace shrink4
