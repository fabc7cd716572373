#include "JunkCompoundStage.h"

#include "StageRows.h"
#include "core/DigitProducts.h"
#include "core/TextScan.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace shrink4 {

namespace {

// Digit masks of the four fields packed in 40 bits, or 0 when the line is no compound
// line or one of its fields allows no digit (then it covers nothing).
std::uint64_t compoundKey(std::string_view line)
{
    std::array<unsigned, 4> masks{};
    std::size_t field = 0;
    for (const char c : line) { // one pass: lines are short, a search call each costs more
        if (c == '*' && ++field > 3)
            return 0;
        if (isDigit(static_cast<unsigned char>(c)))
            masks[field] |= 1u << (c - '0');
    }
    std::uint64_t key = 0;
    for (std::size_t f = 0; f < 4; ++f) {
        if (!masks[f])
            return 0;
        key |= std::uint64_t(masks[f]) << (10 * f);
    }
    return field == 3 ? key : 0;
}

void addProduct(DigitProducts& products, std::uint64_t key)
{
    std::array<unsigned, 4> masks{};
    for (int f = 0; f < 4; ++f)
        masks[std::size_t(f)] = unsigned(key >> (10 * f)) & 0x3FFu;
    products.add(masks);
}

// Calls visit(line) for every CR LF separated line that holds a "*". Lines without one are
// passed over by the search for the next star, so a pasted list of plain numbers costs
// one quick pass.
template <class Visit>
void forEachStarLine(std::string_view text, Visit&& visit)
{
    std::size_t from = 0;
    for (;;) {
        const auto star = text.find('*', from);
        if (star == std::string_view::npos)
            return;
        const auto before = text.rfind("\r\n", star);
        const std::size_t start = before == std::string_view::npos ? 0 : before + 2;
        const auto end = std::min(text.find("\r\n", star), text.size());
        visit(text.substr(start, end - start));
        if (end == text.size())
            return;
        from = end + 2;
    }
}

} // namespace

NumberSet junkCompoundSet(std::string_view boxText)
{
    const auto text = trimSpaces(boxText);
    if (text.empty())
        return {};
    DigitProducts products;
    // A long paste repeats its lines: a table of the lines last seen passes over repeats
    // without a product each, in fixed memory. (Key 0 is no compound line.)
    std::array<std::uint64_t, 256> seen{};
    forEachStarLine(text, [&](std::string_view line) {
        const auto key = compoundKey(line);
        auto& slot = seen[(key * 0x9E3779B97F4A7C15u) >> 56];
        if (key && slot != key) {
            slot = key;
            addProduct(products, key);
        }
    });
    return products.numbers();
}

void JunkCompoundStage(const ConditionInputs& in, StageRows& rows)
{
    textRow(rows, ControlId::junkCompounds, in.junkCompounds, junkCompoundSet);
}

} // namespace shrink4
