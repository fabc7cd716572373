#include "PositionalKillStage.h"

#include "StageRows.h"
#include "conditions/HelpTexts.h"
#include "core/DigitProducts.h"
#include "core/TextScan.h"

#include <array>
#include <bitset>

namespace shrink4 {

namespace {

constexpr int kOpen = 10; // a "*" position
constexpr int kPatterns = 11 * 11 * 11 * 11;

// Pattern code in base 11 (digit or kOpen per position), or -1 when the token cannot
// kill: not four characters, or a fixed position that is not a digit.
int patternCode(std::string_view token)
{
    if (token.size() != 4) // a four-character pattern that kills is four ASCII bytes
        return -1;
    int code = 0;
    for (char c : token) {
        int symbol;
        if (c == '*')
            symbol = kOpen;
        else if (c >= '0' && c <= '9')
            symbol = c - '0';
        else
            return -1;
        code = code * 11 + symbol;
    }
    return code;
}

// Digits a position of the pattern admits: its own digit, or all ten when open.
unsigned admitted(int symbol)
{
    return symbol == kOpen ? 0x3FFu : 1u << symbol;
}

void addPattern(DigitProducts& products, int code)
{
    std::array<unsigned, 4> masks{};
    for (int p = 3; p >= 0; --p, code /= 11)
        masks[std::size_t(p)] = admitted(code % 11);
    products.add(masks);
}

bool isSeparator(char c)
{
    return c == ' ' || c == '\r' || c == '\n';
}

} // namespace

NumberSet positionalKillSet(std::string_view boxText)
{
    const auto text = trimSpaces(boxText);
    if (text.empty())
        return {};
    DigitProducts products;
    // Spaces, CR and LF separate the patterns; runs of them leave only empty tokens,
    // which are ignored like every token that is not four characters long.
    std::bitset<kPatterns> seen;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isSeparator(text[i]))
            ++i;
        const auto start = i;
        while (i < text.size() && !isSeparator(text[i]))
            ++i;
        const int code = patternCode(text.substr(start, i - start));
        if (code >= 0 && !seen.test(std::size_t(code))) {
            seen.set(std::size_t(code));
            addPattern(products, code);
        }
    }
    return products.numbers();
}

void PositionalKillStage(const ConditionInputs& in, StageRows& rows)
{
    textRow(rows, ControlId::positionalKills, in.positionalKills, positionalKillSet);
}

} // namespace shrink4
