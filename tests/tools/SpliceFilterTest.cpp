#include "tools/SpliceFilter.h"
#include "tools/SplicePages.h"

#include "core/TextScan.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace shrink4;

namespace {

const SplicePage& page(std::string_view code)
{
    const SplicePage* p = findSplicePage(code);
    if (p == nullptr)
        throw std::invalid_argument(std::string(code));
    return *p;
}

SpliceResult splice(std::string_view code, std::vector<std::string_view> boxes, SpliceMode mode = SpliceMode::Keep)
{
    auto result = runSplice(page(code), boxes, mode);
    EXPECT_TRUE(result.has_value());
    return result.value_or(SpliceResult{});
}

std::string padded(int value, int width)
{
    std::string digits = std::to_string(value);
    digits.insert(0, std::size_t(width) - digits.size(), '0');
    return digits;
}

std::string numbersText(int from, int to, int width)
{
    std::string out;
    for (int v = from; v <= to; ++v) {
        if (!out.empty())
            out += ' ';
        out += padded(v, width);
    }
    return out;
}

// The filter as the window describes it: a plain substring search per candidate and box.
SpliceResult literalSplice(const SplicePage& p, const std::vector<std::string>& boxes, SpliceMode mode)
{
    SpliceResult r;
    const int candidates = p.targetWidth == 4 ? 10000 : 100000;
    for (int v = 0; v < candidates; ++v) {
        const std::string digits = padded(v, p.targetWidth);
        bool marked = false;
        for (std::size_t k = 0; k < boxes.size() && !marked; ++k) {
            const auto text = trimSpaces(boxes[k]);
            if (text.empty())
                continue;
            std::string key;
            for (char pos : p.positions[k])
                key += digits[std::size_t(pos - '1')];
            const bool found = text.find(key) != std::string_view::npos;
            marked = mode == SpliceMode::Keep ? !found : found;
        }
        if (marked)
            continue;
        if (r.count++ > 0)
            r.text += ' ';
        r.text += digits;
    }
    return r;
}

} // namespace

TEST(SplicePages, CaptionsNameTheBoxPositionsInLexicographicOrder)
{
    const std::string_view names4[] = {"千", "百", "十", "个"};
    const std::string_view names5[] = {"万", "千", "百", "十", "个"};
    for (const auto& p : splicePages()) {
        SCOPED_TRACE(std::string(p.code));
        EXPECT_EQ(p.code, std::to_string(p.partWidth) + std::to_string(p.targetWidth));
        for (int k = 0; k < p.boxCount; ++k) {
            const auto positions = p.positions[std::size_t(k)];
            ASSERT_EQ(int(positions.size()), p.partWidth);
            if (k > 0) {
                EXPECT_LT(p.positions[std::size_t(k - 1)], positions);
            }
            std::string caption;
            for (int pos = 1; pos <= p.targetWidth; ++pos) {
                const bool chosen = positions.find(char('0' + pos)) != std::string_view::npos;
                const auto name = p.targetWidth == 4 ? names4[pos - 1] : names5[pos - 1];
                caption += chosen ? std::string(name) : "*";
            }
            EXPECT_EQ(p.captions[std::size_t(k)], caption);
        }
    }
    EXPECT_EQ(findSplicePage("33"), nullptr);
}

TEST(SpliceFilter, KeepExamplesOfEveryPage)
{
    auto r = splice("24", {"12"});
    EXPECT_EQ(r.count, 100);
    EXPECT_EQ(r.text, numbersText(1200, 1299, 4));

    r = splice("24", {"12", "", "", "", "", "34"});
    EXPECT_EQ(r.count, 1);
    EXPECT_EQ(r.text, "1234");

    r = splice("34", {"123 563"});
    EXPECT_EQ(r.count, 20);
    EXPECT_EQ(r.text, numbersText(1230, 1239, 4) + " " + numbersText(5630, 5639, 4));

    r = splice("45", {"1234"});
    EXPECT_EQ(r.count, 10);
    EXPECT_EQ(r.text, numbersText(12340, 12349, 5));

    r = splice("25", {"05"});
    EXPECT_EQ(r.count, 1000);
    EXPECT_EQ(r.text, numbersText(5000, 5999, 5));
    EXPECT_EQ(r.text.substr(0, 12), "05000 05001 ");

    // Box "*千百十*" of page "35" (positions 2, 3, 4).
    r = splice("35", {"", "", "", "", "", "", "987"});
    EXPECT_EQ(r.count, 100);
    EXPECT_EQ(r.text.substr(0, 11), "09870 09871");
    EXPECT_EQ(r.text.substr(r.text.size() - 5), "99879");
}

TEST(SpliceFilter, KeyIsFormedFromTheBoxPositionsLeftToRight)
{
    // Box "千*十个" of page "34": the candidate 5072 has the key 572.
    const auto r = splice("34", {"", "", "572"});
    EXPECT_EQ(r.count, 10);
    EXPECT_NE(r.text.find("5072"), std::string::npos);
    EXPECT_EQ(r.text.find("5720"), std::string::npos);
}

TEST(SpliceFilter, DeleteDropsEveryCandidateAFilledBoxContains)
{
    auto r = splice("24", {"12"}, SpliceMode::Delete);
    EXPECT_EQ(r.count, 9900);
    EXPECT_EQ(r.text.substr(0, 9), "0000 0001");
    EXPECT_EQ(r.text.find("1250"), std::string::npos);
    EXPECT_NE(r.text.find("1199 1300"), std::string::npos);

    // Either box matching drops the candidate.
    r = splice("24", {"12", "", "", "", "", "34"}, SpliceMode::Delete);
    EXPECT_EQ(r.count, 10000 - 100 - 100 + 1);
}

TEST(SpliceFilter, BoxesContainEveryDigitWindowNotJustTheGroups)
{
    // "123" in a two-digit box holds the keys 12 and 23.
    auto r = splice("24", {"123"});
    EXPECT_EQ(r.count, 200);
    EXPECT_EQ(r.text.substr(0, 4), "1200");
    EXPECT_EQ(r.text.substr(r.text.size() - 4), "2399");

    // Groups are not joined across separators: "123 456" has 12, 23, 45, 56 but no 34.
    EXPECT_EQ(splice("24", {"123 456"}).count, 400);
    EXPECT_EQ(splice("24", {"123 456", "", "", "", "", "34"}).count, 4);
    // ...but a group typed without a space has every window: 1256 holds 25.
    EXPECT_EQ(splice("24", {"1256"}).count, 300);
    EXPECT_EQ(splice("24", {"a1b2"}).count, 0);
}

TEST(SpliceFilter, KeepWithBoxesThatCannotAgreeGivesAnEmptyResult)
{
    // 千百 = 12 and 千十 = 34 would need the thousands digit to be 1 and 3.
    const auto r = splice("24", {"12", "34"});
    EXPECT_EQ(r.count, 0);
    EXPECT_EQ(r.text, "");
}

// A box of blanks of any kind is empty, as it looks; text without digits is filled and
// holds no key.
TEST(SpliceFilter, BlankBoxIsEmptyTextWithoutDigitsIsNot)
{
    EXPECT_EQ(splice("24", {"12", "\r\n\t\u3000"}).text, splice("24", {"12", ""}).text);
    const std::vector<std::string_view> blanks = {"", "\n"};
    EXPECT_FALSE(runSplice(page("35"), blanks, SpliceMode::Delete).has_value());
    EXPECT_EQ(splice("24", {"12", "abc"}).count, 0);
}

TEST(SpliceFilter, AllBoxesEmptyFiltersNothing)
{
    for (const auto& p : splicePages()) {
        std::vector<std::string_view> boxes(std::size_t(p.boxCount), "   ");
        EXPECT_FALSE(runSplice(p, boxes, SpliceMode::Keep).has_value());
        EXPECT_FALSE(runSplice(p, boxes, SpliceMode::Delete).has_value());
        EXPECT_FALSE(runSplice(p, {}, SpliceMode::Keep).has_value());
    }
}

TEST(SpliceFilter, GroupOrderAndRepetitionDoNotMatter)
{
    const auto a = splice("35", {"123 456 789", "", "", "", "", "", "", "", "", "345 678 901"});
    const auto b = splice("35", {"789 123 456 123", "", "", "", "", "", "", "", "", "901 345 678 345"});
    EXPECT_EQ(a.text, "12345 45678 78901");
    EXPECT_EQ(a.text, b.text);
}

TEST(SpliceFilter, AgreesWithThePlainSubstringSearchOnEveryPage)
{
    std::mt19937 random(20240607);
    const std::string alphabet = "0123456789012345678901234567890123456789 ,\r\n";
    for (const auto& p : splicePages()) {
        for (auto mode : {SpliceMode::Keep, SpliceMode::Delete}) {
            SCOPED_TRACE(std::string(p.code) + (mode == SpliceMode::Keep ? " keep" : " delete"));
            std::vector<std::string> boxes(std::size_t(p.boxCount));
            for (auto& box : boxes) {
                if (random() % 3 == 0)
                    continue; // some boxes stay empty
                const auto length = random() % 400;
                for (std::size_t i = 0; i < length; ++i)
                    box += alphabet[random() % alphabet.size()];
            }
            boxes[0] = " " + boxes[0] + "0"; // at least one box filled
            const std::vector<std::string_view> views(boxes.begin(), boxes.end());
            const auto fast = runSplice(p, views, mode);
            ASSERT_TRUE(fast.has_value());
            const auto literal = literalSplice(p, boxes, mode);
            EXPECT_EQ(fast->count, literal.count);
            EXPECT_EQ(fast->text, literal.text);
        }
    }
}

TEST(NormalizeDigitGroups, AnyRunOfSeparatorsBecomesOneSpace)
{
    for (std::string_view text :
         {"12,56,87", "12;56;87", "12\r\n56\r\n87\r\n", "  12    56  87  ", "，12、56。87", "\t12 \t56\n87"}) {
        SCOPED_TRACE(std::string(text));
        EXPECT_EQ(NormalizeDigitGroups(text), "12 56 87");
        EXPECT_EQ(digitGroupCount(NormalizeDigitGroups(text)), 3);
    }
    EXPECT_EQ(NormalizeDigitGroups("a1b2"), "1 2");
    EXPECT_EQ(NormalizeDigitGroups("abc, ;"), "");
    EXPECT_EQ(digitGroupCount(""), 0);
    EXPECT_EQ(NormalizeDigitGroups("123456789012"), "123456789012");
    EXPECT_EQ(digitGroupCount("123456789012"), 1);

    // Far longer than any fixed number of halving passes would collapse.
    const std::string gap(3'000'000, ',');
    EXPECT_EQ(NormalizeDigitGroups("12" + gap + "34"), "12 34");
}
