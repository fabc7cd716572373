#include "Notes.h"

#include "core/SideBySide.h"
#include "core/TextScan.h"
#include "stages/DanGroupStage.h"

#include <algorithm>
#include <array>
#include <functional>
#include <string>

namespace shrink4 {

namespace {

// Lengths of the runs of ASCII digits in a text, as flags: shorter than, equal to and
// longer than `length`.
struct DigitRuns {
    bool shorter = false;
    bool equal = false;
    bool longer = false;
};

DigitRuns digitRuns(std::string_view text, std::size_t length)
{
    DigitRuns runs;
    std::size_t run = 0;
    const auto close = [&] {
        if (run > 0) {
            runs.shorter |= run < length;
            runs.equal |= run == length;
            runs.longer |= run > length;
        }
        run = 0;
    };
    for (const char c : text) {
        if (isDigit(static_cast<unsigned char>(c)))
            ++run;
        else
            close();
    }
    close();
    return runs;
}

using Notes = std::vector<std::string>;

void noteIf(Notes& notes, bool condition, const char* text)
{
    if (condition)
        notes.emplace_back(text);
}

// Boxes of four-digit numbers: the straight kill and the base pool.
Notes numberListNotes(std::string_view text, bool pool)
{
    const DigitRuns runs = digitRuns(text, 4);
    Notes notes;
    noteIf(notes, pool && !runs.equal && !runs.longer, "大底里没有四位数的号码，结果为空");
    noteIf(notes, runs.shorter, "不足四位的数字被忽略");
    noteIf(notes, runs.longer, "连续五位以上的数字被当作几个相连的四位号码读取");
    return notes;
}

Notes codeListNotes(std::string_view text, std::size_t k)
{
    const DigitRuns runs = digitRuns(text, k);
    Notes notes;
    noteIf(notes, runs.shorter, k == 2 ? "不足两位的项被忽略" : "不足三位的项被忽略");
    noteIf(notes, runs.longer, k == 2 ? "超过两位的项只取前两位" : "超过三位的项只取前三位");
    return notes;
}

// A positional item is four characters, each a digit or "*"; spaces and line breaks
// separate items.
Notes positionalNotes(std::string_view text)
{
    bool wrong = false;
    std::size_t length = 0; // of the item read so far
    for (std::size_t i = 0; i <= text.size() && !wrong; ++i) {
        const char c = i < text.size() ? text[i] : ' ';
        if (c == ' ' || c == '\r' || c == '\n') {
            wrong = length != 0 && length != 4;
            length = 0;
        } else {
            wrong = c != '*' && !isDigit(static_cast<unsigned char>(c));
            ++length;
        }
    }
    Notes notes;
    noteIf(notes, wrong, "不是四位（数字或*）的项被忽略，如 45**、1**8，每项用空格或换行隔开");
    return notes;
}

Notes junkNotes(std::string_view text)
{
    bool wrong = false;
    std::size_t start = 0;
    while (start <= text.size() && !wrong) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = trimWhitespace(text.substr(start, end - start));
        wrong = !line.empty() && std::count(line.begin(), line.end(), '*') != 3;
        start = end + 2;
    }
    Notes notes;
    noteIf(notes, wrong, "不是一注复式（恰好三个*）的行被忽略，如 12*78*56*89，每行一注");
    return notes;
}

Notes sumValueNotes(std::string_view text)
{
    const DigitRuns runs = digitRuns(text, 2);
    Notes notes;
    noteIf(notes, runs.shorter, "一位数的和值被忽略，和值要写两位，如 05");
    noteIf(notes, runs.longer, "连续三位以上的数字按每相邻两位读取");
    return notes;
}

Notes toleranceNotes(double lower, double upper)
{
    Notes notes;
    noteIf(notes, lower > upper, "下限大于上限，没有号码能通过");
    return notes;
}

Notes danNotes(const ConditionInputs& in)
{
    Notes notes;
    for (int g = 0; g < kDanGroups; ++g)
        if (danGroupActive(in.danDigits, g)
            && danGroupFailures(in.danDigits, in.danHitCounts, g, isTickedValue(in.danRepeatCounting)).count()
                   == kNumberCount)
            notes.push_back("第" + std::to_string(g + 1) + "组胆码选的开出个数不可能出现，没有号码能通过");
    return notes;
}

// The notes of one box.
struct BoxNotes {
    ControlId control;
    std::function<Notes(const ConditionInputs&)> notesOf;
};

// A text box's rule, asked only when the box is not empty.
template <ControlId id, class Rule>
BoxNotes textNotes(Rule rule)
{
    return {id, [rule](const ConditionInputs& in) {
                const std::string_view t = in.*memberOf<id>();
                return isEmptyBox(t, controlMeta(id).help) ? Notes{} : rule(t);
            }};
}

template <ControlId id, class Bound>
BoxNotes rangeNotes(Bound bound)
{
    return {id, [bound](const ConditionInputs& in) {
                const auto& bounds = in.*memberOf<id>();
                return toleranceNotes(bound(bounds[0]), bound(bounds[1]));
            }};
}

std::vector<BoxNotes> boxNotes()
{
    using I = ControlId;
    const auto lenient = [](const std::string& t) { return lenientNumber(t); };
    const auto total = [](const std::string& t) { return double(toleranceBound(t)); };
    const auto numbers = [](std::string_view t) { return numberListNotes(t, false); };
    const auto pool = [](std::string_view t) { return numberListNotes(t, true); };
    const auto twoCodes = [](std::string_view t) { return codeListNotes(t, 2); };
    const auto threeCodes = [](std::string_view t) { return codeListNotes(t, 3); };
    return {
        textNotes<I::straightKills>(numbers),
        textNotes<I::junkCompounds>(junkNotes),
        textNotes<I::killTwoCodes>(twoCodes),
        textNotes<I::mustTwoCodes>(twoCodes),
        textNotes<I::killThreeCodes>(threeCodes),
        textNotes<I::mustThreeCodes>(threeCodes),
        textNotes<I::positionalKills>(positionalNotes),
        textNotes<I::sumValues>(sumValueNotes),
        textNotes<I::basePool>(pool),
        rangeNotes<I::totalTolerance>(total),
        rangeNotes<I::danTolerance>(lenient),
        rangeNotes<I::positionTolerance>(lenient),
        BoxNotes{I::danDigits, danNotes},
    };
}

} // namespace

std::vector<Note> conditionNotes(const ConditionInputs& in)
{
    static const std::vector<BoxNotes> boxes = boxNotes();
    std::vector<Notes> found(boxes.size());
    // Each box is read on its own: with boxes of megabytes, side by side.
    runSideBySideIfLarge(boxes.size(), textBytes(in), [&](std::size_t i) { found[i] = boxes[i].notesOf(in); });
    std::vector<Note> notes;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (auto& text : found[i])
            notes.push_back({boxes[i].control, std::move(text)});
    return notes;
}

} // namespace shrink4
