// A whole filter run on fuzzed conditions: the fast engine must give exactly what the
// literal reference run gives (condition count, verdict, pool, list, texts, rewritten
// boxes), and the prize check of a fuzzed typed text must agree as well.

#include "FuzzSupport.h"

#include "engine/FilterRun.h"
#include "engine/RunWith.h"
#include "engine/PrizeCheck.h"
#include "reference/RandomInputs.h"
#include "reference/ReferenceRun.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <sstream>
#include <string>
#include <type_traits>

using namespace shrink4;
using namespace shrink4::fuzz;

namespace {

// Every control reads a selector first, so most controls stay at their start-up state
// and a short input still reaches any of them. Texts are well-formed UTF-8, as the window
// and the scheme loader deliver them.
struct Decoder {
    FuzzedDataProvider& fdp;

    void text(std::string& box, std::size_t maxLength)
    {
        switch (fdp.ConsumeIntegralInRange(0, 7)) {
        case 0:
            box.clear();
            break;
        case 1:
            box = validUtf8(fdp.ConsumeRandomLengthString(maxLength));
            break;
        case 2:
            box += validUtf8(fdp.ConsumeRandomLengthString(maxLength));
            break; // help text and typing
        default:
            break; // left at its start-up text
        }
    }

    void operator()(const ControlMeta&, std::string& box) { text(box, 120); }
    void operator()(const ControlMeta&, std::array<std::string, 2>& range)
    {
        for (auto& bound : range)
            text(bound, 8);
    }
    template <std::size_t N>
    void operator()(const ControlMeta&, std::array<int, N>& boxes)
    {
        if (fdp.ConsumeIntegralInRange(0, 3) != 0)
            return;
        for (auto& value : boxes)
            value = fdp.ConsumeIntegralInRange(0, 5) < 4 ? 0 : fdp.ConsumeIntegralInRange(1, 2);
    }
    void operator()(const ControlMeta&, int& value) { value = fdp.ConsumeIntegralInRange(0, 2); }
    template <std::size_t N>
    void operator()(const ControlMeta&, std::array<bool, N>& buttons)
    {
        if (fdp.ConsumeIntegralInRange(0, 3) != 0)
            return;
        for (auto& selected : buttons)
            selected = fdp.ConsumeIntegralInRange(0, 4) == 0;
    }
};

std::string differences(const RunResult& e, const reference::ReferenceResult& r)
{
    std::ostringstream os;
    if (e.conditionCount != r.conditionCount)
        os << "conditionCount: engine " << e.conditionCount << ", reference " << r.conditionCount << "\n";
    if (!(e.verdict == r.verdict))
        os << "verdict:\n" << setDifference(e.verdict, r.verdict);
    if (!(e.outsidePool == r.outsidePool))
        os << "outsidePool:\n" << setDifference(e.outsidePool, r.outsidePool);
    if (e.list.count != r.count)
        os << "count: engine " << e.list.count << ", reference " << r.count << "\n";
    if (e.list.numbers != r.numbers)
        os << "listed numbers differ\n";
    if (e.list.lines != r.lines)
        os << "list lines differ\n";
    if (e.list.resultText != r.resultText)
        os << "resultText differs\n";
    if (e.list.prizeCheckText != r.prizeCheckText)
        os << "prizeCheckText differs\n";
    if (keyedRewrites(e) != r.rewritten) {
        os << "rewritten: engine {";
        for (const auto& [box, text] : keyedRewrites(e))
            os << box << "=" << reference::cppLiteral(text) << " ";
        os << "}, reference {";
        for (const auto& [box, text] : r.rewritten)
            os << box << "=" << reference::cppLiteral(text) << " ";
        os << "}\n";
    }
    return os.str();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider fdp(data, size);
    ConditionInputs in;
    Decoder decoder{fdp};
    forEachControl(in, decoder);
    const std::string typed = validUtf8(fdp.ConsumeRandomLengthString(12));

    const RunResult engine = filterRun(in);
    const reference::ReferenceResult literal = reference::referenceRun(in);
    const std::string diff = differences(engine, literal);
    if (!diff.empty())
        propertyFailed("the engine's run equals the reference run",
                       "Input:\n" + reference::describeInputs(in) + "Differences:\n" + diff);

    const PrizeVerdict prize = checkPrize(literal.prizeCheckText, literal.lines, typed);
    const reference::ReferencePrizeVerdict literalPrize =
        reference::referencePrizeCheck(literal.prizeCheckText, literal.lines, typed);
    check(prize.caption == literalPrize.caption && prize.selectedLines == literalPrize.selectedLines,
          "the prize check equals the reference check",
          "typed " + reference::cppLiteral(typed) + "\nInput:\n" + reference::describeInputs(in));
    return 0;
}
