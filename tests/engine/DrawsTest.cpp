// Reading past draws: where the number and the label are, what is skipped, what is refused,
// and the time order.

#include "engine/Draws.h"

#include <gtest/gtest.h>

using namespace shrink4;

namespace {

// Draws as "label=number" texts ("-" for no label), for comparing whole readings at once.
std::vector<std::string> brief(const DrawsReading& r)
{
    std::vector<std::string> out;
    for (const auto& d : r.draws)
        out.push_back(d.label.value_or("-") + "=" + std::to_string(d.number));
    return out;
}

} // namespace

TEST(Draws, ReadsTheNumberAndLabelOfEachLine)
{
    struct Case {
        const char* text;
        std::vector<std::string> draws;
    } cases[] = {
        {"2024001 1234", {"2024001=1234"}},
        {"2024001,1,2,3,4", {"2024001=1234"}},
        {"2024-01-05 2024001 1 2 3 4", {"2024001=1234"}},
        {"1234", {"-=1234"}},
        {"0 0 7 0", {"-=70"}},
        {"2024-01-05 第2024001期 0001 开奖", {"2024001=1"}},                   // the first long group is the label
        {"期号 号码\r\n\r\n# 2024009 9999\r\n12345 5678\r\n", {"12345=5678"}}, // header, blank, comment skipped
        {"9 8 7 6 5", {"-=8765"}},                                             // the last four single digits
        {"１２３４\n5678", {"-=1234", "-=5678"}},                              // full-width digits are digits
    };
    for (const auto& c : cases) {
        const auto r = readDraws(c.text);
        EXPECT_EQ(r.error, "") << c.text;
        EXPECT_EQ(brief(r), c.draws) << c.text;
    }
}

TEST(Draws, RefusesLinesWithoutADrawByNumber)
{
    using F = DrawsFault;
    struct Case {
        const char* text;
        const char* errorStart;
        DrawsFault fault;
        int line, firstLine;
    } cases[] = {
        {"", "no draw", F::NoDraw, 0, 0},
        {"# 1234\n标题\n", "no draw", F::NoDraw, 0, 0},
        {"1234\n2024001\n", "line 2:", F::NoNumber, 2, 0},
        {"1234\n\n12 34", "line 3:", F::NoNumber, 3, 0},
        {"1234\r\n1 2 3\r\n", "line 2:", F::NoNumber, 2, 0},
        {"123", "line 1:", F::NoNumber, 1, 0},
        {"2024001 1234\n2024001 5678", "line 2:", F::LabelRedrawn, 2, 1}, // the same issue, another number
        {"#\n2024001 1234\n2024002 1\n", "line 3:", F::NoNumber, 3, 0},   // a bad line after labelled ones
    };
    for (const auto& c : cases) {
        const auto r = readDraws(c.text);
        EXPECT_TRUE(r.error.starts_with(c.errorStart)) << c.text << " -> " << r.error;
        EXPECT_TRUE(r.draws.empty()) << c.text;
        EXPECT_EQ(r.fault, c.fault) << c.text;
        EXPECT_EQ(r.line, c.line) << c.text;
        EXPECT_EQ(r.firstLine, c.firstLine) << c.text;
    }
    EXPECT_EQ(readDraws("2024001 1234\n2024001 5678").label, "2024001");
}

TEST(Draws, TimeOrderByLabelElseFileOrder)
{
    struct Case {
        const char* text;
        std::vector<std::string> draws;
    } cases[] = {
        {"2024003 3333\n2024002 2222\n2024001 1111", {"2024001=1111", "2024002=2222", "2024003=3333"}},
        {"99999 1111\n100000 2222", {"99999=1111", "100000=2222"}}, // by value, not as text
        {"2024002 2222\n5555\n2024001 1111", {"2024002=2222", "-=5555", "2024001=1111"}},
        {"2024001 1111\n2024001 1111\n2024000 0000", {"2024000=0", "2024001=1111"}}, // a repeat kept once
    };
    for (const auto& c : cases)
        EXPECT_EQ(brief(readDraws(c.text)), c.draws) << c.text;
}

// Full-width digits, CR line ends, draws run together and labels told apart as text: what
// comes out is every draw of the text, or none and the line at fault.
TEST(Draws, ReadAsPlayersWriteThem)
{
    using F = DrawsFault;
    struct Case {
        const char* text;
        std::vector<std::string> draws;
        DrawsFault fault;
        int line;
    } cases[] = {
        {"２０２４００２　５６７８\n2024001 1 ２ 3 ４", {"2024001=1234", "2024002=5678"}, F::None, 0},
        {"2024001：1234", {"2024001=1234"}, F::None, 0}, // a full-width colon is no digit
        {"1234\xEF\xBC", {"-=1234"}, F::None, 0},        // nor two thirds of a full-width digit
        {"2024002 2222\r2024001 1111\r", {"2024001=1111", "2024002=2222"}, F::None, 0},
        {"1234\r\r\n\r2024002 12", {}, F::NoNumber, 4}, // CR, CR LF and CR: three line ends
        {"1111\n2024001 1234 2024002 5678", {}, F::DigitsAfterLabel, 2},
        {"2024099 1 2 3 4\n2024100 1 2 3 4 5", {}, F::DigitsAfterLabel, 2},
        {"2024001 12 1234", {}, F::DigitsAfterLabel, 1},
        {"12 1234", {"-=1234"}, F::None, 0}, // without a label, earlier digits are not read
        {"２０２４００１ 1234\r2024001 5678", {}, F::LabelRedrawn, 2},
        {"2024001 2222\n02024001 1111", {"2024001=2222", "02024001=1111"}, F::None, 0}, // not the same label
        {"2024003 3333\n2024003 3333\n5555", {"2024003=3333", "-=5555"}, F::None, 0},
    };
    for (const auto& c : cases) {
        const auto r = readDraws(c.text);
        EXPECT_EQ(brief(r), c.draws) << c.text;
        EXPECT_EQ(r.fault, c.fault) << c.text;
        EXPECT_EQ(r.line, c.line) << c.text;
        EXPECT_EQ(r.error.starts_with("line " + std::to_string(c.line) + ":"), c.line > 0) << r.error;
    }
    EXPECT_EQ(readDraws("2024100 1 2 3 4 5").label, "2024100");
}
