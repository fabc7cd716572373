#include "engine/FilterRun.h"

#include <gtest/gtest.h>

using namespace shrink4;

TEST(FilterRun, NoConditionListsEveryNumber)
{
    const auto r = filterRun(ConditionInputs{});
    EXPECT_EQ(r.list.count, 10000);
    EXPECT_EQ(r.list.lines.size(), 5000u);
    EXPECT_EQ(r.conditionCount, 0);
}
