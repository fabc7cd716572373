#pragma once
// Reading typed text the way every condition box does: trimming only spaces, substring
// membership of four-digit numbers, and the lenient number parse of the range boxes.

#include "NumberSet.h"

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace shrink4 {

// ASCII digits only: full-width and other digits separate, as in every box.
inline bool isDigit(unsigned char c)
{
    return unsigned(c - '0') < 10u;
}

// Removes leading and trailing space characters only (line breaks and tabs stay).
std::string_view trimSpaces(std::string_view text);

// Removes leading and trailing whitespace as typed text has it: space, tab, CR, LF and
// the ideographic space U+3000.
std::string_view trimWhitespace(std::string_view text);

bool contains(std::string_view text, std::string_view needle);

// Every number whose four-character form occurs in the text: each run of four or more
// ASCII digits contributes all of its four-digit windows. One pass over the bytes.
NumberSet fourDigitWindows(std::string_view text);

// Every two-character digit pair "00".."99" that occurs in the text, bit = its value.
std::bitset<100> twoDigitWindows(std::string_view text);

// The leading number of a text (blanks before it skipped; it ends at the first
// character that cannot continue it; no leading number gives 0).
double lenientNumber(std::string_view text);

// A tolerance bound: the lenient number rounded half to even and clamped to 32 bits.
std::int32_t toleranceBound(std::string_view text);

// Number of characters (UTF-8 code points; a stray byte counts as one character).
std::size_t charCount(std::string_view text);

// The four-character form with leading zeros, "0000".."9999".
std::string numberText(int value);
// Writes the last `width` digits of value, with leading zeros, into out[0..width-1].
void writeDigits(char* out, int value, int width);

// The digit groups of a text in their order, separated by single spaces: every run of
// characters other than ASCII digits becomes one space, none at either end.
std::string NormalizeDigitGroups(std::string_view text);

// Splits at every CR LF pair; a lone CR or LF does not split.
std::vector<std::string_view> splitCrLf(std::string_view text);

// Mask of the ASCII digits 0..9 that occur in the text (bit d for digit d).
unsigned digitMask(std::string_view text);

} // namespace shrink4
