#include "ListSetOperations.h"

#include "core/TextScan.h"

namespace shrink4 {

namespace {

NumberSet combine(ListSetOperation operation, const NumberSet& a, const NumberSet& b)
{
    switch (operation) {
    case ListSetOperation::Intersection:
        return a & b;
    case ListSetOperation::Union:
        return a | b;
    case ListSetOperation::AMinusB:
        return a.minus(b);
    case ListSetOperation::BMinusA:
        return b.minus(a);
    }
    return {};
}

} // namespace

ListSetResult applyListSetOperation(ListSetOperation operation, std::string_view listA, std::string_view listB)
{
    ListSetResult r;
    r.members = combine(operation, fourDigitWindows(listA), fourDigitWindows(listB));
    r.count = r.members.count();
    if (r.count == 0)
        return r;
    // Four digits and one space per member; the last space is cut off below.
    r.text.resize(std::size_t(r.count) * 5);
    char* out = r.text.data();
    r.members.forEach([&](int v) {
        writeDigits(out, v, 4);
        out[4] = ' ';
        out += 5;
    });
    r.text.pop_back();
    return r;
}

} // namespace shrink4
