// Compound lines: the fast set of covered numbers equals the literal reading of the box,
// line by line and number by number.

#include "FuzzSupport.h"

#include "stages/JunkCompoundStage.h"

#include <algorithm>
#include <string>

using namespace shrink4;
using namespace shrink4::fuzz;

namespace {

std::vector<std::string> splitAt(std::string_view s, std::string_view separator)
{
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (;;) {
        const auto at = s.find(separator, from);
        if (at == std::string_view::npos) {
            parts.emplace_back(s.substr(from));
            return parts;
        }
        parts.emplace_back(s.substr(from, at - from));
        from = at + separator.size();
    }
}

// Per line, per number: exactly three "*", and every digit of the number in its field.
NumberSet literalCompoundSet(std::string_view box)
{
    while (!box.empty() && box.front() == ' ')
        box.remove_prefix(1);
    while (!box.empty() && box.back() == ' ')
        box.remove_suffix(1);
    if (box.empty())
        return {};
    std::vector<std::vector<std::string>> lines;
    for (const auto& line : splitAt(box, "\r\n"))
        if (std::count(line.begin(), line.end(), '*') == 3)
            lines.push_back(splitAt(line, "*"));
    return literalSet([&](int v) {
        const std::string digits = fourDigits(v);
        for (const auto& fields : lines) {
            int covered = 0;
            for (int p = 0; p < 4; ++p)
                covered += fields[std::size_t(p)].find(digits[std::size_t(p)]) != std::string::npos;
            if (covered == 4)
                return true;
        }
        return false;
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkSameSet(junkCompoundSet(text), literalCompoundSet(text), "compound set equals the literal per-line check");
    return 0;
}
