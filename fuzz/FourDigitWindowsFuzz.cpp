// Substring membership, the rule of the base pool, the straight-number kill, the set tool
// and the prize check: the one-pass window scan must equal a plain search for every
// number's four-character form.

#include "FuzzSupport.h"

#include "engine/BasePool.h"
#include "core/TextScan.h"
#include "stages/StraightKillStage.h"

#include <bitset>
#include <string>

using namespace shrink4;
using namespace shrink4::fuzz;

namespace {

std::string literalTrim(std::string_view s)
{
    std::size_t a = 0, b = s.size();
    while (a < b && s[a] == ' ')
        ++a;
    while (b > a && s[b - 1] == ' ')
        --b;
    return std::string(s.substr(a, b - a));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    const NumberSet windows = fourDigitWindows(text);
    checkSameSet(windows, literalSet([&](int v) { return text.find(fourDigits(v)) != std::string::npos; }),
                 "fourDigitWindows equals a per-number search");

    const std::string trimmed = literalTrim(text);
    check(trimSpaces(text) == trimmed, "trimSpaces removes only leading and trailing spaces");
    checkSameSet(straightKillSet(text), fourDigitWindows(trimmed), "straight kill reads the trimmed box");

    // Empty: only whitespace (space, tab, CR, LF, U+3000), or the help text alone within it.
    const std::string_view bare = literalTrimBlanks(text);
    const bool poolActive = !bare.empty() && bare != "大底号码，双击清空";
    check(basePoolActive(text) == poolActive, "base pool is active unless blank or its help text alone");
    checkSameSet(basePoolMembers(text), windows, "base pool members are the four-digit windows");

    const std::bitset<100> pairs = twoDigitWindows(text);
    for (int v = 0; v < 100; ++v) {
        const char pair[3] = {char('0' + v / 10), char('0' + v % 10), 0};
        check(pairs.test(std::size_t(v)) == (text.find(pair) != std::string::npos),
              "twoDigitWindows equals a per-pair search", pair);
    }

    unsigned mask = 0;
    for (int d = 0; d < 10; ++d)
        if (text.find(char('0' + d)) != std::string::npos)
            mask |= 1u << d;
    check(digitMask(text) == mask, "digitMask holds exactly the digits of the text");
    return 0;
}
