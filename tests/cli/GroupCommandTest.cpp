#include "cli/CliTestSupport.h"

#include <gtest/gtest.h>

using shrink4::testing::runCli;

namespace {

const QByteArray kEmptyScheme = R"({"shrink4-scheme": 1, "controls": {}})";

TEST(CliRun, EmptySchemeFromStdinListsEveryNumber)
{
    const auto r = runCli({"run", "-"}, kEmptyScheme);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.count('\n'), 10000);
    EXPECT_TRUE(r.out.startsWith("0000\n0001\n"));
}

} // namespace
