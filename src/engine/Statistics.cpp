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

NumberSet poolOf(const RunResult& run) { return ~run.outsidePool; }

// Numbers failed by two rows or more: what no single row can give back alone.
NumberSet failedTwiceOrMore(const std::vector<ConditionRow>& rows)
{
    NumberSet once, twice;
    for (const auto& row : rows) {
        twice |= once & row.fails;
        once |= row.fails;
    }
    return twice;
}

std::vector<int> histogramOver(const RunResult& run, const NumberSet& pool)
{
    int top = -1;
    pool.forEach([&](int v) { top = std::max(top, run.failCount.value(v)); });
    std::vector<int> histogram(std::size_t(top + 1), 0);
    for (int k = 0; k <= top; ++k)
        histogram[std::size_t(k)] = (run.failCount.equals(k) & pool).count();
    return histogram;
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
    const NumberSet shared = failedTwiceOrMore(run.rows);
    RunStatistics stats;
    stats.count = run.list.count;
    stats.pool = pool.count();
    for (const auto& row : run.rows) {
        const NumberSet inPool = row.fails & pool;
        stats.rows.push_back({std::string(rowKey(row)), rowCaption(row), row.fails.count(), inPool.count(),
                              inPool.minus(shared).count()});
    }
    stats.histogram = histogramOver(run, pool);
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
