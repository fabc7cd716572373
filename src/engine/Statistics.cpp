#include "engine/Statistics.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace shrink4 {

namespace {

// A row of one box of its control, captioned as that box.
bool isItemRow(const ConditionRow& row)
{
    return row.item >= 0 && std::size_t(row.item) < controlMeta(row.control).items.size();
}

NumberSet poolOf(const RunResult& run)
{
    return ~run.outsidePool;
}

} // namespace

std::string_view rowKey(const ConditionRow& row)
{
    const ControlMeta& meta = controlMeta(row.control);
    if (!isItemRow(row))
        return meta.key;
    // Only the special shapes are rows of their own, one a shape.
    static const auto shapeKeys = [] {
        std::array<std::string, controlMeta(ControlId::specialShapes).items.size()> keys;
        for (std::size_t k = 0; k < keys.size(); ++k)
            keys[k] = indexedKey(controlMeta(ControlId::specialShapes).key, int(k));
        return keys;
    }();
    return shapeKeys[std::size_t(row.item)];
}

std::string_view rowCaption(const ConditionRow& row)
{
    const ControlMeta& meta = controlMeta(row.control);
    return isItemRow(row) ? meta.items[std::size_t(row.item)] : meta.caption;
}

RunStatistics runStatistics(const RunResult& run)
{
    const NumberSet pool = poolOf(run);
    // Failed by one row alone: what that row, switched off, would give back.
    const NumberSet onlyOnce = run.failCount.equals(1) & pool;
    RunStatistics stats;
    stats.count = run.list.count;
    stats.pool = pool.count();
    stats.rows.reserve(run.rows.size());
    for (const auto& row : run.rows)
        stats.rows.push_back({std::string(rowKey(row)), rowCaption(row), row.fails.count(), row.fails.countAnd(pool),
                              row.fails.countAnd(onlyOnce)});
    stats.histogram = run.failCount.histogram(pool);
    return stats;
}

NumberExplanation explainNumber(const RunResult& run, int number)
{
    NumberExplanation e;
    e.inPool = !run.outsidePool.test(number);
    e.listed = e.inPool && run.verdict.test(number); // what the list is made from
    e.failCount = run.failCount.value(number);
    e.failed.reserve(std::size_t(e.failCount));
    for (const auto& row : run.rows)
        if (row.fails.test(number))
            e.failed.push_back(rowKey(row));
    return e;
}

} // namespace shrink4
