#include "tools/SpliceFilter.h"
#include "tools/SplicePages.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace shrink4;

namespace {

const SplicePage& page(std::string_view code)
{
    const SplicePage* p = findSplicePage(code);
    EXPECT_NE(p, nullptr) << code;
    return *p;
}

SpliceResult splice(std::string_view code, std::vector<std::string_view> boxes,
                    SpliceMode mode = SpliceMode::Keep)
{
    auto result = runSplice(page(code), boxes, mode);
    EXPECT_TRUE(result.has_value());
    return result.value_or(SpliceResult{});
}

std::string numbersText(int from, int to, int width)
{
    std::string out;
    for (int v = from; v <= to; ++v) {
        if (!out.empty())
            out += ' ';
        std::string digits = std::to_string(v);
        out += std::string(std::size_t(width) - digits.size(), '0') + digits;
    }
    return out;
}

// The filter as the window describes it: one plain substring search per candidate and box.
SpliceResult literalSplice(const SplicePage& p, const std::vector<std::string>& boxes,
                           SpliceMode mode)
{
    SpliceResult r;
    int candidates = 1;
    for (int i = 0; i < p.targetWidth; ++i)
        candidates *= 10;
    for (int v = 0; v < candidates; ++v) {
        std::string digits = std::to_string(v);
        digits.insert(0, std::size_t(p.targetWidth) - digits.size(), '0');
        bool marked = false;
        for (std::size_t k = 0; k < boxes.size() && !marked; ++k) {
            const auto text = std::string(trimSpacesForTest(boxes[k]));
            if (text.empty())
                continue;
            std::string key;
            for (char pos : p.positions[k])
                key += digits[std::size_t(pos - '1')];
            const bool found = text.find(key) != std::string::npos;
            marked = mode == SpliceMode::Keep ? !found : found;
        }
        if (marked)
            continue;
        if (r.count++ > 0)
            r.text += ' ';
        r.text += digits;
    }
    return r;
}

} // namespace
