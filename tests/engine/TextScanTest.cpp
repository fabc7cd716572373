#include "core/TextScan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

using namespace shrink4;

namespace {

NumberSet windowsByFind(const std::string& text)
{
    NumberSet s;
    for (int v = 0; v < kNumberCount; ++v)
        if (text.find(numberText(v)) != std::string::npos)
            s.set(v);
    return s;
}

} // namespace

TEST(FourDigitWindows, RunsContributeEveryWindow)
{
    const auto s = fourDigitWindows("12345678");
    EXPECT_EQ(s.count(), 5);
    for (int v : {1234, 2345, 3456, 4567, 5678})
        EXPECT_TRUE(s.test(v));
    EXPECT_TRUE(fourDigitWindows("123").empty());
    EXPECT_EQ(fourDigitWindows("1234 5678,0042\r\n").count(), 3);
}

TEST(FourDigitWindows, AgreesWithSubstringSearchAcrossChunkBorders)
{
    std::mt19937 rng(7);
    const std::string alphabet = "0123456789  ,\r\n\xE5\xA4\xA7x";
    for (int round = 0; round < 300; ++round) {
        std::string text(rng() % 90, ' ');
        for (auto& c : text)
            c = alphabet[rng() % alphabet.size()];
        if (round % 3 == 0) // long digit runs
            for (std::size_t i = 0; i < text.size(); ++i)
                if (rng() % 5)
                    text[i] = char('0' + rng() % 10);
        ASSERT_EQ(fourDigitWindows(text), windowsByFind(text)) << text;
    }
}

// Texts long enough to be read sixteen bytes at a time into a byte per number, against a
// plain look at every position.
TEST(FourDigitWindows, LongTextsAgreeWithAPlainScan)
{
    const auto plainScan = [](const std::string& text) {
        NumberSet s;
        for (std::size_t i = 0; i + 4 <= text.size(); ++i)
            if (std::all_of(text.begin() + long(i), text.begin() + long(i) + 4, [](char c) { return isDigit(c); }))
                s.set(std::stoi(text.substr(i, 4)));
        return s;
    };
    std::mt19937 rng(8);
    const std::string separators = " ,\r\n\xE5\xA4\xA7x";
    for (const std::size_t size : {std::size_t(2047), std::size_t(2048), std::size_t(5003), std::size_t(40000)}) {
        std::string text;
        while (text.size() < size) { // numbers of 1..9 digits, as pasted lists have them
            for (std::size_t digits = 1 + rng() % 9; digits > 0; --digits)
                text += char('0' + rng() % 10);
            text += separators[rng() % separators.size()];
        }
        text.resize(size);
        ASSERT_EQ(fourDigitWindows(text), plainScan(text)) << size;
    }
}

TEST(LenientNumber, ReadsTheLeadingNumber)
{
    EXPECT_EQ(lenientNumber("abc"), 0);
    EXPECT_EQ(lenientNumber(""), 0);
    EXPECT_EQ(lenientNumber("1.5"), 1.5);
    EXPECT_EQ(lenientNumber("2x"), 2);
    EXPECT_EQ(lenientNumber("  -1"), -1);
    EXPECT_EQ(lenientNumber(".5"), 0.5);
}

TEST(ToleranceBound, RoundsHalfToEvenAndClamps)
{
    EXPECT_EQ(toleranceBound("1.5"), 2);
    EXPECT_EQ(toleranceBound("2.5"), 2);
    EXPECT_EQ(toleranceBound("-1"), -1);
    EXPECT_EQ(toleranceBound("letters"), 0);
    EXPECT_EQ(toleranceBound("99999999999"), 2147483647);
    EXPECT_EQ(toleranceBound("-99999999999"), -2147483647 - 1);
}

TEST(TextHelpers, TrimOnlySpacesAndSplitOnlyAtCrLf)
{
    EXPECT_EQ(trimSpaces("  a\r\n "), "a\r\n");
    EXPECT_EQ(trimSpaces("   "), "");
    EXPECT_EQ(splitCrLf("a\r\nb\nc\r\n").size(), 3u);
    EXPECT_EQ(charCount("大底12"), 4u);
}

TEST(LenientNumber, ExponentsOnlyWhenDigitsFollow)
{
    EXPECT_EQ(lenientNumber("1e2"), 100);
    EXPECT_EQ(lenientNumber("1e"), 1);
    EXPECT_EQ(lenientNumber("1e+x"), 1);
    EXPECT_EQ(lenientNumber("\t+2.5e-1"), 0.25);
    EXPECT_EQ(toleranceBound("1e999"), 2147483647);
    EXPECT_EQ(toleranceBound("-1e999"), -2147483647 - 1);
    EXPECT_EQ(lenientNumber("1e-999"), 0);
}
