// The splice tool: pasted text normalises to its digit groups separated by single spaces,
// a box's keys are exactly the digit windows a plain search finds, and a whole page run
// equals the literal filter over every candidate.
//
// Input: the first byte picks the page and the mode; the rest is the page's box texts,
// separated by the byte 0xFF.

#include "FuzzSupport.h"

#include "tools/SpliceFilter.h"
#include "tools/SplicePages.h"

#include <string>
#include <vector>

using namespace shrink4;
using namespace shrink4::fuzz;

namespace {

std::string digitsText(int value, int width)
{
    std::string s(std::size_t(width), '0');
    for (int p = width - 1; p >= 0; --p, value /= 10)
        s[std::size_t(p)] = char('0' + value % 10);
    return s;
}

int power10(int width)
{
    int n = 1;
    while (width-- > 0)
        n *= 10;
    return n;
}

void checkNormalizedGroups(std::string_view text)
{
    const std::string groups = NormalizeDigitGroups(text);
    check(isDigitsAndSingleSpaces(groups), "digit groups are separated by single spaces", groups);
    const auto runs = digitRuns(text);
    check(groups == joinWithSpaces(runs), "digit groups are the digit runs in order", groups);
    check(NormalizeDigitGroups(groups) == groups, "NormalizeDigitGroups is idempotent");
    check(digitGroupCount(groups) == int(runs.size()), "group count is the number of digit runs");
}

// Literal containment of every key of one width: one plain search per key.
std::vector<bool> literalKeys(std::string_view text, int width)
{
    std::vector<bool> keys(std::size_t(power10(width)));
    for (int k = 0; k < power10(width); ++k)
        keys[std::size_t(k)] = text.find(digitsText(k, width)) != std::string_view::npos;
    return keys;
}

void checkKeys(std::string_view text)
{
    for (int width = 1; width <= 4; ++width) {
        const SpliceKeys fast = spliceKeys(text, width);
        const auto literal = literalKeys(text, width);
        for (int k = 0; k < int(SpliceKeys().size()); ++k) {
            const bool expected = k < int(literal.size()) && literal[std::size_t(k)];
            if (fast.test(std::size_t(k)) != expected)
                propertyFailed("spliceKeys equals a per-key search",
                               "width " + std::to_string(width) + ", key " + digitsText(k, width));
        }
    }
}

// The page run as the filter describes it: every candidate ascending, each filled box
// looked up by a plain search for the candidate's digits at the box's positions.
std::optional<SpliceResult> literalSplice(const SplicePage& page, const std::vector<std::string_view>& boxes,
                                          SpliceMode mode)
{
    struct Filled {
        std::string_view positions;
        std::vector<bool> keys;
    };
    std::vector<Filled> filled;
    for (int b = 0; b < page.boxCount; ++b) {
        const std::string_view text = literalTrimBlanks(boxes[std::size_t(b)]); // blanks only: empty
        if (!text.empty())
            filled.push_back({page.positions[std::size_t(b)], literalKeys(text, page.partWidth)});
    }
    if (filled.empty())
        return std::nullopt;
    SpliceResult result;
    const int width = page.targetWidth;
    for (int c = 0; c < power10(width); ++c) {
        int digits[kSpliceMaxTargetWidth] = {};
        for (int p = width - 1, n = c; p >= 0; --p, n /= 10)
            digits[p] = n % 10;
        bool marked = false;
        for (const auto& box : filled) {
            int key = 0;
            for (char p : box.positions)
                key = key * 10 + digits[p - '1'];
            const bool contained = box.keys[std::size_t(key)];
            if (mode == SpliceMode::Delete ? contained : !contained) {
                marked = true;
                break;
            }
        }
        if (!marked) {
            if (result.count++ > 0)
                result.text += ' ';
            result.text += digitsText(c, width);
        }
    }
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const SplicePage& page = splicePages()[data[0] % kSplicePageCount];
    const SpliceMode mode = (data[0] / kSplicePageCount) % 2 ? SpliceMode::Delete : SpliceMode::Keep;
    const auto boxes = splitInput(data + 1, size - 1, std::size_t(page.boxCount));

    checkNormalizedGroups(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
    checkKeys(boxes[0]);

    const auto fast = runSplice(page, boxes, mode);
    const auto literal = literalSplice(page, boxes, mode);
    check(fast.has_value() == literal.has_value(), "a run filters unless every box is empty");
    if (fast) {
        check(fast->count == literal->count, "splice count equals the literal filter",
              std::to_string(fast->count) + " vs " + std::to_string(literal->count));
        check(fast->text == literal->text, "splice text equals the literal filter");
    }
    return 0;
}
