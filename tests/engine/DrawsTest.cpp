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

// Dates and times are no part of a draw, wherever they stand; what only looks like one
// (a year out of range, mixed separators, a digit touching it) is read as digits still.
TEST(Draws, DatesAndTimesAreNoPartOfTheDraw)
{
    using F = DrawsFault;
    struct Case {
        const char* text;
        std::vector<std::string> draws;
        DrawsFault fault;
    } cases[] = {
        {"2024001 2024-01-10 1 6 1 9", {"2024001=1619"}, F::None},
        {"2024001,2024-01-10,1234", {"2024001=1234"}, F::None},
        {"2024001 2024/1/10 21:30 1234", {"2024001=1234"}, F::None},
        {"2024001\t2024.01.10\t5,6,7,8", {"2024001=5678"}, F::None},
        {"第2024001期 2024年1月10日 1234 9:05:00", {"2024001=1234"}, F::None},
        {"2024001 ２０２４－01-10 1234", {}, F::DigitsAfterLabel}, // a full-width dash joins nothing
        {"2024001 2024-01/10 1234", {}, F::DigitsAfterLabel},      // the same separator twice
        {"2024001 2100-01-10 1234", {}, F::DigitsAfterLabel},      // no year of ours
        {"2024001 12024-01-10 1234", {}, F::DigitsAfterLabel},     // a date may touch no digit
        {"2024001 1234 21：30", {"2024001=1234"}, F::None},        // a full-width colon
        {"2024-01-10", {}, F::NoDraw},                             // a date alone gives no draw
    };
    for (const auto& c : cases) {
        const auto r = readDraws(c.text);
        EXPECT_EQ(brief(r), c.draws) << c.text;
        EXPECT_EQ(r.fault, c.fault) << c.text << " -> " << r.error;
    }
}

// Longer draws and column layouts: the four digits taken, the label from its column, and
// headers skipped; every refusal says what it found.
TEST(Draws, LayoutsReadLongerDrawsAndColumns)
{
    const auto layout = [](int digits, int take, const char* roles) {
        std::string error;
        DrawsLayout l{digits, take, {}};
        if (*roles)
            l.columns = *parseColumnRoles(roles, &error);
        return l;
    };
    using F = DrawsFault;
    struct Case {
        const char* text;
        DrawsLayout layout;
        std::vector<std::string> draws;
        DrawsFault fault;
    } cases[] = {
        {"2024001 12345", layout(5, -1, ""), {"2024001=2345"}, F::None},
        {"2024001 1 2 3 4 5", layout(5, 0, ""), {"2024001=1234"}, F::None},
        {"12345\n2024001 1234567", layout(7, 2, ""), {}, F::NoNumber},
        {"2024001 1234567", layout(7, 2, ""), {"2024001=3456"}, F::None},
        {"12345", layout(5, -1, ""), {"-=2345"}, F::None}, // the number is no label of its own
        {"期号,日期,开奖号码,试机号\n2024001,2024-01-10,1234,0567\n\"2024002\",x,\"5,6,7,8\",0",
         layout(4, -1, "i,-,n"),
         {"2024001=1234", "2024002=5678"},
         F::None},
        {"第2024001期\t21:30\t1\t2\t3\t4\t5", layout(5, 1, "i-nnnnn"), {"2024001=2345"}, F::None},
        {"2024001|千位|百位\n2024002|1|2", layout(4, -1, "i,n,n"), {}, F::ColumnDigits},
        {"x,1234", layout(4, -1, "i,n"), {}, F::NoLabel},
        {"2024001,,1234", layout(4, -1, "i,-,n"), {"2024001=1234"}, F::None}, // an empty cell is a column
        {"2024001 1234 567", layout(4, -1, ""), {}, F::NoNumber},
    };
    for (const auto& c : cases) {
        const auto r = readDraws(c.text, c.layout);
        EXPECT_EQ(brief(r), c.draws) << c.text;
        EXPECT_EQ(r.fault, c.fault) << c.text << " -> " << r.error;
    }
    // What a refused line holds instead, named for the message.
    struct Found {
        const char* text;
        FindingKind kind;
        const char* quoted;
    } found[] = {
        {"2024001 2024-01-10 12345", FindingKind::longNumber, "12345"},
        {"2024001 1 2 3 4 5", FindingKind::longSingles, "1 2 3 4 5"},
        {"2024001 1234 0567 123456789", FindingKind::columnsAfter, "0567 123456789"},
        {"2024001 24-01-10 1234", FindingKind::digitsBetween, "24-01-10"},
    };
    for (const auto& f : found) {
        const auto r = readDraws(f.text);
        const std::string_view line(f.text);
        EXPECT_EQ(r.finding.kind, f.kind) << f.text;
        EXPECT_EQ(line.substr(r.finding.begin, r.finding.end - r.finding.begin), f.quoted) << f.text;
    }
    std::string error;
    EXPECT_FALSE(parseTake("2-4", 5, &error));
    EXPECT_FALSE(parseTake("3-6", 5, &error));
    EXPECT_EQ(parseTake("2-5", 5, &error), 1);
    EXPECT_FALSE(parseColumnRoles("i,i,n", &error));
    EXPECT_FALSE(parseColumnRoles("i,-", &error));
    EXPECT_EQ(columnRolesText(*parseColumnRoles("i-nn", &error)), "i,-,n,n");
}
