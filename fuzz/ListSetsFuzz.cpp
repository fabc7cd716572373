// The list set tool: each of the four operations equals the per-number search of both
// texts, and the result text lists the members ascending with single spaces.
//
// Input: list A and list B separated by the byte 0xFF.

#include "FuzzSupport.h"

#include "tools/ListSetOperations.h"

#include <string>

using namespace shrink4;
using namespace shrink4::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto lists = splitInput(data, size, 2);
    const std::string_view a = lists[0], b = lists[1];
    const NumberSet inA = literalSet([&](int v) { return a.find(fourDigits(v)) != std::string_view::npos; });
    const NumberSet inB = literalSet([&](int v) { return b.find(fourDigits(v)) != std::string_view::npos; });

    const std::pair<ListSetOperation, NumberSet> cases[] = {
        {ListSetOperation::Intersection, inA & inB},
        {ListSetOperation::Union, inA | inB},
        {ListSetOperation::AMinusB, inA.minus(inB)},
        {ListSetOperation::BMinusA, inB.minus(inA)},
    };
    for (const auto& [operation, expected] : cases) {
        const ListSetResult result = applyListSetOperation(operation, a, b);
        checkSameSet(result.members, expected, "set operation equals the per-number search");
        std::string text;
        expected.forEach([&](int v) {
            if (!text.empty())
                text += ' ';
            text += fourDigits(v);
        });
        check(result.text == text, "result text lists the members ascending with single spaces");
        check(result.count == expected.count(), "count is the number of members");
    }
    return 0;
}
