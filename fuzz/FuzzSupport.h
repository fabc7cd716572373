#pragma once
// Shared by the fuzz targets. A broken property prints what differs and aborts, so that
// libFuzzer reports it like a crash and keeps the input that caused it.

#include "core/NumberSet.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace shrink4::fuzz {

[[noreturn]] inline void propertyFailed(std::string_view what, std::string_view detail = {})
{
    std::fprintf(stderr, "\nPROPERTY FAILED: %.*s\n%.*s\n", int(what.size()), what.data(), int(detail.size()),
                 detail.data());
    std::abort();
}

inline void check(bool holds, std::string_view what, std::string_view detail = {})
{
    if (!holds)
        propertyFailed(what, detail);
}

// A text without its leading and trailing blanks (space, tab, CR, LF, U+3000), one at a time.
inline std::string_view literalTrimBlanks(std::string_view text)
{
    for (bool trimmedOne = true; trimmedOne;) {
        trimmedOne = false;
        for (std::string_view blank : {" ", "\t", "\r", "\n", "\u3000"}) {
            if (text.starts_with(blank))
                text.remove_prefix(blank.size()), trimmedOne = true;
            if (text.ends_with(blank))
                text.remove_suffix(blank.size()), trimmedOne = true;
        }
    }
    return text;
}

inline std::string fourDigits(int v)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "%04d", v);
    return buf;
}

// The set of numbers for which the per-number predicate holds: the literal side of a check.
template <class Pred>
NumberSet literalSet(Pred&& pred)
{
    NumberSet s;
    for (int v = 0; v < kNumberCount; ++v)
        if (pred(v))
            s.set(v);
    return s;
}

// Empty when equal; otherwise the first few numbers on which the two sets differ.
inline std::string setDifference(const NumberSet& fast, const NumberSet& literal)
{
    std::string out;
    int shown = 0;
    for (int v = 0; v < kNumberCount && shown < 8; ++v)
        if (fast.test(v) != literal.test(v)) {
            out += fourDigits(v) + (fast.test(v) ? " only in the fast set\n" : " only in the literal set\n");
            ++shown;
        }
    return out;
}

inline void checkSameSet(const NumberSet& fast, const NumberSet& literal, std::string_view what)
{
    if (!(fast == literal))
        propertyFailed(what, setDifference(fast, literal));
}

// Splits the fuzz input into up to `parts` texts at the byte 0xFF, which never occurs in
// UTF-8 and so never takes part in what a text means.
inline std::vector<std::string_view> splitInput(const std::uint8_t* data, std::size_t size, std::size_t parts)
{
    std::vector<std::string_view> out;
    std::string_view all(reinterpret_cast<const char*>(data), size);
    while (out.size() + 1 < parts) {
        const auto at = all.find('\xFF');
        if (at == std::string_view::npos)
            break;
        out.push_back(all.substr(0, at));
        all.remove_prefix(at + 1);
    }
    out.push_back(all);
    while (out.size() < parts)
        out.emplace_back();
    return out;
}

// The characters " " and digits are the only ones a normalised list may hold, each
// space between two digits.
inline bool isDigitsAndSingleSpaces(std::string_view s)
{
    if (s.empty())
        return true;
    if (s.front() == ' ' || s.back() == ' ')
        return false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == ' ') {
            if (s[i + 1] == ' ')
                return false;
        } else if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

// The maximal runs of ASCII digits of a text, in order.
inline std::vector<std::string_view> digitRuns(std::string_view s)
{
    std::vector<std::string_view> runs;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && (s[i] < '0' || s[i] > '9'))
            ++i;
        const std::size_t from = i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9')
            ++i;
        if (i > from)
            runs.push_back(s.substr(from, i - from));
    }
    return runs;
}

// The text as the window would hold it: every byte that does not start a well-formed
// UTF-8 sequence becomes U+FFFD, as a conversion from QString gives.
inline std::string validUtf8(std::string_view s)
{
    std::string out;
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t len = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
        std::uint32_t cp = len == 2 ? (b & 0x1Fu) : len == 3 ? (b & 0x0Fu) : (b & 0x07u);
        bool ok = len != 0 && i + len <= s.size();
        for (std::size_t k = 1; ok && k < len; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            ok = (c & 0xC0u) == 0x80u;
            cp = (cp << 6) | (c & 0x3Fu);
        }
        if (ok && len > 1) {
            const std::uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
            ok = cp >= least[len] && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
        }
        if (ok) {
            out.append(s.substr(i, len));
            i += len;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return out;
}

inline std::string joinWithSpaces(const std::vector<std::string_view>& parts)
{
    std::string out;
    for (auto p : parts) {
        if (!out.empty())
            out += ' ';
        out += p;
    }
    return out;
}

} // namespace shrink4::fuzz
