// The sum-value box: the fast set equals a per-number search for the two-digit sum.

#include "FuzzSupport.h"

#include "stages/SumStages.h"

#include <string>

using namespace shrink4;
using namespace shrink4::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view box(reinterpret_cast<const char*>(data), size);
    std::string_view text = box;
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    const bool off = text.empty();

    const NumberSet literal = literalSet([&](int v) {
        if (off)
            return false;
        const int sum = v / 1000 + v / 100 % 10 + v / 10 % 10 + v % 10;
        const char two[3] = {char('0' + sum / 10), char('0' + sum % 10), 0};
        return text.find(two) != std::string_view::npos;
    });
    checkSameSet(sumValueSet(box), literal, "sum-value set equals the per-number search");
    return 0;
}
