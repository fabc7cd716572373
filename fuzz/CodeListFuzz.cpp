// Two- and three-code lists: the normalised list holds only digit groups separated by
// single spaces, normalising twice changes nothing, and the set of numbers containing a
// code equals the per-number containment test, which itself equals the multiset rule.

#include "FuzzSupport.h"

#include "core/TextScan.h"
#include "stages/CodeListStages.h"
#include "stages/ContainsCode.h"

#include <array>
#include <string>

using namespace shrink4;
using namespace shrink4::fuzz;

namespace {

// Multiset containment: the first k characters of the item, all digits, can be found at
// k different positions of the number.
bool multisetContains(int v, std::string_view item, int k)
{
    if (int(item.size()) < k)
        return false;
    std::array<int, 10> have{};
    for (int n = v, p = 0; p < 4; ++p, n /= 10)
        ++have[std::size_t(n % 10)];
    for (int j = 0; j < k; ++j) {
        const char c = item[std::size_t(j)];
        if (c < '0' || c > '9' || have[std::size_t(c - '0')]-- == 0)
            return false;
    }
    return true;
}

std::vector<std::string_view> splitSpaces(std::string_view s)
{
    std::vector<std::string_view> items;
    if (s.empty())
        return items;
    std::size_t from = 0;
    for (;;) {
        const auto at = s.find(' ', from);
        items.push_back(s.substr(from, at == std::string_view::npos ? s.npos : at - from));
        if (at == std::string_view::npos)
            return items;
        from = at + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const std::string normalized = NormalizeDigitGroups(text);
    check(isDigitsAndSingleSpaces(normalized), "normalised list has only digits and single spaces", normalized);
    check(normalized == joinWithSpaces(digitRuns(text)), "normalised list is the digit groups in order", normalized);
    check(NormalizeDigitGroups(normalized) == normalized, "NormalizeDigitGroups is idempotent");

    check(codeListActive(text) == !digitRuns(text).empty(), "a list is active when it holds a digit");

    const auto items = splitSpaces(normalized);
    for (int k = 2; k <= 3; ++k) {
        const NumberSet fast = numbersContainingAnyCode(normalized, k);
        checkSameSet(fast, literalSet([&](int v) {
                         for (auto item : items)
                             if (ContainsCode(v, item, k))
                                 return true;
                         return false;
                     }),
                     k == 2 ? "two-code set equals per-number ContainsCode"
                            : "three-code set equals per-number ContainsCode");
        // The first few items against every number keeps each input fast.
        for (std::size_t j = 0; j < items.size() && j < 3; ++j)
            for (int v = 0; v < kNumberCount; ++v)
                if (ContainsCode(v, items[j], k) != multisetContains(v, items[j], k))
                    propertyFailed("ContainsCode equals multiset containment",
                                   fourDigits(v) + " / " + std::string(items[j]));
    }
    return 0;
}
