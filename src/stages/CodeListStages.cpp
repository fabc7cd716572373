#include "CodeListStages.h"

#include "StageRows.h"
#include "core/HundredBlocks.h"
#include "core/TextScan.h"

#include <algorithm>
#include <array>

namespace shrink4 {

bool codeListActive(std::string_view boxText)
{
    const std::string_view trimmed = trimSpaces(boxText);
    return std::any_of(trimmed.begin(), trimmed.end(), isDigit);
}

namespace {

// The codes of a list as digits that complete one: pairs[x] holds y when {x, y} is listed,
// triples[x][y] holds z when {x, y, z} is, whatever the order the digits were typed in.
struct CodeDigits {
    std::array<unsigned, 10> pairs{};
    std::array<std::array<unsigned, 10>, 10> triples{};

    void addPair(unsigned x, unsigned y)
    {
        pairs[x] |= 1u << y;
        pairs[y] |= 1u << x;
    }
    void addTriple(unsigned x, unsigned y, unsigned z)
    {
        completes(x, y, z);
        completes(x, z, y);
        completes(y, z, x);
    }
    void completes(unsigned x, unsigned y, unsigned z)
    {
        triples[x][y] |= 1u << z;
        triples[y][x] |= 1u << z;
    }
};

// Block ab holds a pair where a or b pairs with c or d, a with b (the whole block), or c
// with d (the same cells in every block).
NumberSet numbersHoldingPairs(const std::array<unsigned, 10>& pairs)
{
    const HundredBits lastTwo = cellsOf(pairs);
    HundredBlocks blocks;
    for (std::size_t a = 0; a < 10; ++a)
        for (std::size_t b = 0; b < 10; ++b) {
            const unsigned either = pairs[a] | pairs[b];
            const unsigned tens = (pairs[a] >> b & 1u) ? kAllDigits : either;
            blocks[10 * a + b] = tensIn(tens) | unitsIn(either) | lastTwo;
        }
    return numbersOf(blocks);
}

// Block ab holds a triple where a and b complete to c or d, or a (or b) with c and d.
NumberSet numbersHoldingTriples(const std::array<std::array<unsigned, 10>, 10>& triples)
{
    std::array<HundredBits, 10> withLastTwo;
    for (std::size_t x = 0; x < 10; ++x)
        withLastTwo[x] = cellsOf(triples[x]);
    HundredBlocks blocks;
    for (std::size_t a = 0; a < 10; ++a)
        for (std::size_t b = 0; b < 10; ++b) {
            const unsigned third = triples[a][b];
            blocks[10 * a + b] = tensIn(third) | unitsIn(third) | withLastTwo[a] | withLastTwo[b];
        }
    return numbersOf(blocks);
}

} // namespace

NumberSet numbersContainingAnyCode(std::string_view normalizedList, int k)
{
    CodeDigits codes;
    const std::size_t size = normalizedList.size();
    std::size_t start = 0;
    while (start < size) {
        std::size_t end = start; // items are short: a plain scan beats a search call each
        while (end < size && normalizedList[end] != ' ')
            ++end;
        const auto item = normalizedList.substr(start, end - start);
        start = end + 1;
        if (int(item.size()) < k)
            continue; // too short to be a code
        unsigned d[3] = {};
        bool digitsOnly = true;
        for (int j = 0; j < k; ++j) {
            d[j] = unsigned(item[std::size_t(j)] - '0');
            digitsOnly = digitsOnly && d[j] < 10;
        }
        if (!digitsOnly) // not a normalised item
            continue;
        if (k == 2)
            codes.addPair(d[0], d[1]);
        else
            codes.addTriple(d[0], d[1], d[2]);
    }
    return k == 2 ? numbersHoldingPairs(codes.pairs) : numbersHoldingTriples(codes.triples);
}

namespace {

// A list takes part when its box is not empty and holds a digit; it is written back
// normalised.
void codeListRow(StageRows& rows, ControlId control, std::string_view box, int k, bool must)
{
    if (isEmptyBox(box, controlMeta(control).help) || !codeListActive(box))
        return;
    std::string normalized = NormalizeDigitGroups(trimSpaces(box));
    NumberSet& fails = addRow(rows, control);
    fails = numbersContainingAnyCode(normalized, k);
    if (must)
        fails = ~fails;
    rows.back().normalizedText = std::move(normalized);
}

} // namespace

void KillTwoCodeStage(const ConditionInputs& in, StageRows& rows)
{
    codeListRow(rows, ControlId::killTwoCodes, in.killTwoCodes, 2, false);
}

void KillThreeCodeStage(const ConditionInputs& in, StageRows& rows)
{
    codeListRow(rows, ControlId::killThreeCodes, in.killThreeCodes, 3, false);
}

void MustTwoCodeStage(const ConditionInputs& in, StageRows& rows)
{
    codeListRow(rows, ControlId::mustTwoCodes, in.mustTwoCodes, 2, true);
}

void MustThreeCodeStage(const ConditionInputs& in, StageRows& rows)
{
    codeListRow(rows, ControlId::mustThreeCodes, in.mustThreeCodes, 3, true);
}

} // namespace shrink4
