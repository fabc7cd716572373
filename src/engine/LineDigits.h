#pragma once
// Digits in a line of UTF-8 text: ASCII 0-9, and the full-width ０-９ (U+FF10..U+FF19) an
// input method left in full-width mode gives, which count as the same digits.

#include <cstddef>
#include <string_view>

namespace shrink4 {

// The bytes of the digit at `at`: 1 for 0-9, 3 for a full-width digit, 0 for no digit.
inline std::size_t digitWidth(std::string_view s, std::size_t at)
{
    if (at >= s.size())
        return 0;
    if (s[at] >= '0' && s[at] <= '9')
        return 1;
    if (s[at] != '\xEF' || at + 2 >= s.size()) // most bytes are settled here, without a compare
        return 0;
    const auto third = static_cast<unsigned char>(s[at + 2]);
    return s[at + 1] == '\xBC' && third >= 0x90 && third <= 0x99 ? 3 : 0;
}

// The digit at `at`, which must be one.
inline char asciiDigit(std::string_view s, std::size_t at)
{
    return digitWidth(s, at) == 1 ? s[at] : char('0' + (static_cast<unsigned char>(s[at + 2]) - 0x90));
}

// Whether the character ending right before `at` is a digit.
inline bool digitBefore(std::string_view s, std::size_t at)
{
    return (at >= 1 && digitWidth(s, at - 1) == 1) || (at >= 3 && digitWidth(s, at - 3) == 3);
}

} // namespace shrink4
