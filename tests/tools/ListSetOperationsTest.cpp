#include "tools/ListSetOperations.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using namespace shrink4;

namespace {

using Op = ListSetOperation;

std::string text(Op op, std::string_view a, std::string_view b)
{
    return applyListSetOperation(op, a, b).text;
}

} // namespace

TEST(ListSetOperations, FourOperationsOnTwoShortLists)
{
    const std::string a = "1234 5678", b = "5678 9999";
    auto r = applyListSetOperation(Op::Intersection, a, b);
    EXPECT_EQ(r.text, "5678");
    EXPECT_EQ(r.count, 1);
    r = applyListSetOperation(Op::Union, a, b);
    EXPECT_EQ(r.text, "1234 5678 9999");
    EXPECT_EQ(r.count, 3);
    r = applyListSetOperation(Op::AMinusB, a, b);
    EXPECT_EQ(r.text, "1234");
    EXPECT_EQ(r.count, 1);
    r = applyListSetOperation(Op::BMinusA, a, b);
    EXPECT_EQ(r.text, "9999");
    EXPECT_EQ(r.count, 1);
    EXPECT_TRUE(r.members.test(9999));
}

TEST(ListSetOperations, AnySeparatorOrderAndRepeats)
{
    EXPECT_EQ(text(Op::Union, "9999,0000\r\n9999", ""), "0000 9999");
    EXPECT_EQ(text(Op::Intersection, "5678;1234", "1234\r\n5678"), "1234 5678");
    EXPECT_EQ(text(Op::Union, "号码1234，０１２３x0042", ""), "0042 1234"); // full-width digits are not digits
}

TEST(ListSetOperations, DigitRunsGiveEveryWindow)
{
    auto r = applyListSetOperation(Op::Union, "12345", "");
    EXPECT_EQ(r.text, "1234 2345");
    EXPECT_EQ(r.count, 2);
    r = applyListSetOperation(Op::Union, "12345678", "");
    EXPECT_EQ(r.text, "1234 2345 3456 4567 5678");
    // A long run, longer than any one block the scan reads at a time.
    const std::string run = "0123456789012345678901234567890123456789";
    r = applyListSetOperation(Op::Union, run, "");
    EXPECT_EQ(r.count, 10);
    EXPECT_EQ(r.text.substr(0, 9), "0123 1234");
    EXPECT_EQ(text(Op::AMinusB, run, "5678"), "0123 1234 2345 3456 4567 6789 7890 8901 9012");
}

TEST(ListSetOperations, ShortRunsAndMissingLeadingZerosAreNotMembers)
{
    EXPECT_EQ(applyListSetOperation(Op::Union, "12 345 678 9", "").count, 0);
    EXPECT_EQ(text(Op::AMinusB, "12 0012", ""), "0012");
    EXPECT_EQ(text(Op::Intersection, "12", "0012"), "");
    EXPECT_EQ(text(Op::BMinusA, "123", "0123"), "0123");
}

TEST(ListSetOperations, EmptyInputsGiveEmptyResults)
{
    for (auto op : {Op::Intersection, Op::Union, Op::AMinusB, Op::BMinusA}) {
        const auto r = applyListSetOperation(op, "", "");
        EXPECT_EQ(r.text, "");
        EXPECT_EQ(r.count, 0);
    }
    EXPECT_EQ(text(Op::Intersection, "1234", ""), "");
    EXPECT_EQ(text(Op::BMinusA, "1234", ""), "");
}

TEST(ListSetOperations, FullListsOfTenThousand)
{
    std::string all, evens;
    for (int v = 0; v < 10000; ++v) {
        char item[6];
        std::snprintf(item, sizeof item, "%04d ", v);
        all += item;
        if (v % 2 == 0)
            evens += item;
    }
    auto r = applyListSetOperation(Op::Union, all, "");
    EXPECT_EQ(r.count, 10000);
    EXPECT_EQ(r.text.size(), 10000u * 5 - 1);
    r = applyListSetOperation(Op::AMinusB, all, evens);
    EXPECT_EQ(r.count, 5000);
    EXPECT_EQ(r.text.substr(0, 14), "0001 0003 0005");
    EXPECT_EQ(r.text.substr(r.text.size() - 4), "9999");
}
