// Positional patterns: the fast set equals the literal procedure, which collapses
// separators by three rounds of pair replacement, splits at single spaces and compares
// every four-character token with every number.

#include "FuzzSupport.h"

#include "stages/PositionalKillStage.h"

#include <string>

using namespace shrink4;
using namespace shrink4::fuzz;

namespace {

std::string replaceAll(std::string s, std::string_view from, std::string_view to)
{
    std::string out;
    std::size_t at = 0;
    for (;;) {
        const auto hit = s.find(from, at);
        if (hit == std::string::npos)
            break;
        out.append(s, at, hit - at).append(to);
        at = hit + from.size();
    }
    return out.append(s, at);
}

std::string trimmedSpaces(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return std::string(s);
}

// UTF-8 characters; a continuation byte belongs to the character before it.
std::vector<std::string> characters(std::string_view s)
{
    std::vector<std::string> out;
    for (char c : s) {
        if ((static_cast<unsigned char>(c) & 0xC0u) == 0x80u && !out.empty())
            out.back() += c;
        else
            out.emplace_back(1, c);
    }
    return out;
}

NumberSet literalPositionalSet(std::string_view box)
{
    std::string text = trimmedSpaces(box);
    if (text.empty())
        return {};
    text = replaceAll(replaceAll(text, "\r", " "), "\n", " ");
    for (int round = 0; round < 3; ++round)
        text = replaceAll(text, "  ", " ");
    text = trimmedSpaces(text);
    std::vector<std::vector<std::string>> tokens;
    std::size_t from = 0;
    for (;;) {
        const auto at = text.find(' ', from);
        auto chars = characters(std::string_view(text).substr(from, at == std::string::npos ? text.npos : at - from));
        if (chars.size() == 4)
            tokens.push_back(std::move(chars));
        if (at == std::string::npos)
            break;
        from = at + 1;
    }
    return literalSet([&](int v) {
        const std::string digits = fourDigits(v);
        for (const auto& token : tokens) {
            int fixed = 0, matching = 0;
            for (std::size_t p = 0; p < 4; ++p) {
                fixed += token[p] != "*";
                matching += token[p] == std::string(1, digits[p]);
            }
            if (fixed == matching)
                return true;
        }
        return false;
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkSameSet(positionalKillSet(text), literalPositionalSet(text), "positional set equals the literal procedure");
    return 0;
}
