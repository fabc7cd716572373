// Past draws on any bytes, as a box hands them over and as a file gives them through the
// decoder, read automatically or by a layout the first byte chooses: the reading equals
// the literal one (where that reads the layout), every draw is well formed and in time
// order, a refusal holds no draw and names its line as the list of bad lines does, and
// valid UTF-8 reads the same either way.

#include "FuzzSupport.h"

#include "engine/BadDrawLines.h"
#include "engine/Draws.h"
#include "reference/ReferenceHistory.h"
#include "scheme/DrawsText.h"

#include <QByteArray>

#include <algorithm>
#include <set>
#include <string>

using namespace shrink4;
using namespace shrink4::fuzz;

namespace {

// The reading without the quoted text of an error, which keeps a line's full-width forms as
// they stand in a box.
std::string brief(const DrawsReading& r)
{
    std::string out = r.error.substr(0, r.error.find(':')) + " fault " + std::to_string(int(r.fault)) + " found "
                      + std::to_string(int(r.finding.kind)) + "\n";
    for (const auto& d : r.draws)
        out += d.label.value_or("-") + "=" + fourDigits(d.number) + " line " + std::to_string(d.line) + "\n";
    return out;
}

// Lines end at LF, CR LF or a lone CR.
int lineCount(std::string_view text)
{
    int lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && text.substr(i, 2) != "\r\n"))
            ++lines;
    return lines;
}

// Read by columns, an issue has any length; otherwise five digits or more.
bool isLabel(std::string_view s, std::size_t shortest = 5)
{
    return s.size() >= shortest && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Labels as numbers: without leading zeros, the shorter is the smaller.
bool labelLess(std::string_view a, std::string_view b)
{
    a.remove_prefix(std::min(a.find_first_not_of('0'), a.size()));
    b.remove_prefix(std::min(b.find_first_not_of('0'), b.size()));
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

bool inTimeOrder(const Draw& a, const Draw& b, bool byLabel)
{
    if (!byLabel || (!labelLess(*a.label, *b.label) && !labelLess(*b.label, *a.label)))
        return a.line < b.line;
    return labelLess(*a.label, *b.label);
}

void checkDraws(const DrawsReading& r, int lines, std::size_t shortestLabel)
{
    check(r.fault == DrawsFault::None && r.line == 0 && !r.draws.empty(), "a reading without error has draws");
    const bool byLabel = std::all_of(r.draws.begin(), r.draws.end(), [](const Draw& d) { return bool(d.label); });
    std::set<std::string> labels;
    for (std::size_t i = 0; i < r.draws.size(); ++i) {
        const Draw& d = r.draws[i];
        check(d.number >= 0 && d.number <= 9999 && d.line >= 1 && d.line <= lines, "a draw's number and line");
        check(!d.label || (isLabel(*d.label, shortestLabel) && labels.insert(*d.label).second),
              "labels are digits, each once");
        check(i == 0 || inTimeOrder(r.draws[i - 1], d, byLabel), "draws in time order", brief(r));
    }
}

void checkRefusal(const DrawsReading& r, int lines)
{
    check(r.draws.empty() && r.fault != DrawsFault::None, "a refusal holds no draw", brief(r));
    if (r.fault == DrawsFault::NoDraw) {
        check(r.line == 0, "no draw names no line");
        return;
    }
    check(r.line >= 1 && r.line <= lines && r.error.starts_with("line " + std::to_string(r.line) + ": "),
          "a refusal names its line", brief(r));
    if (r.fault == DrawsFault::LabelRedrawn)
        check(r.firstLine >= 1 && r.firstLine < r.line && isLabel(r.label, 1), "a label redrawn names the first");
    if (r.fault == DrawsFault::DigitsAfterLabel)
        check(isLabel(r.label), "digits after a label name the label");
}

// A first byte under 128 reads automatically; otherwise its bits give the digits, the four
// taken and, now and then, columns.
DrawsLayout layoutOf(std::uint8_t b)
{
    if (b < 0x80)
        return {};
    static const char* const kRoles[] = {"i,-,n", "n", "-,i,-,n,n,n,n", "n,-,n,i"};
    DrawsLayout layout;
    layout.digits = 4 + (b & 3);
    layout.take = (b >> 2) % (layout.digits - 3);
    std::string error;
    if (b & 0x40)
        layout.columns = *parseColumnRoles(kRoles[(b >> 4) & 3], &error);
    return layout;
}

void checkBadLines(std::string_view text, const DrawsReading& r, const DrawsLayout& layout)
{
    const BadDrawLines bad = findBadDrawLines(text, 4096, layout);
    if (r.fault == DrawsFault::None || r.fault == DrawsFault::NoDraw) {
        check(bad.count == 0, "a text read whole has no bad line");
        return;
    }
    const bool listed = std::any_of(bad.first.begin(), bad.first.end(), [&](const BadDrawLine& b) {
        return b.line == r.line && (b.fault == r.fault || r.fault == DrawsFault::LabelRedrawn);
    });
    check(listed || bad.count > bad.first.size(), "the line the reading names is among the bad lines", brief(r));
}

void checkReading(std::string_view text, const DrawsLayout& layout)
{
    const DrawsReading r = readDraws(text, layout);
    if (r.error.empty())
        checkDraws(r, lineCount(text), layout.columns.empty() ? 5 : 1);
    else
        checkRefusal(r, lineCount(text));
    checkBadLines(text, r, layout);
    if (!layout.columns.empty())
        return; // the literal reading knows no columns
    const auto literal = reference::referenceReadDraws(text, layout.digits, layout.takeFrom());
    bool same =
        literal.failed != r.error.empty() && literal.errorLine == r.line && literal.draws.size() == r.draws.size();
    for (std::size_t i = 0; same && i < r.draws.size(); ++i)
        same = literal.draws[i].label == r.draws[i].label && literal.draws[i].number == r.draws[i].number;
    check(same, "the reading equals the literal one", brief(r));
}

// Where the decoder must leave the draws as they are: valid UTF-8, whose full-width
// characters other than digits cannot make a line a comment, with at most one mark and
// without zero bytes (which may make it UTF-16 without a mark).
// Read by columns, a full-width space or comma would split a line once decoded but not in
// a box, which never holds one: a box takes typed text in as the decoder does.
bool holdsFullWidthNonDigit(std::string_view raw)
{
    for (std::size_t at = 0; at + 2 < raw.size(); ++at) {
        const std::string_view three = raw.substr(at, 3);
        const bool digit = three.starts_with("\xEF\xBC") && three[2] >= '\x90' && three[2] <= '\x99';
        if (three == "\xE3\x80\x80" || ((three.starts_with("\xEF\xBC") || three.starts_with("\xEF\xBD")) && !digit))
            return true;
    }
    return false;
}

bool readsAlikeDecoded(std::string_view raw)
{
    return validUtf8(raw) == raw && raw.find('\0') == std::string_view::npos
           && raw.find("\xEF\xBC\x83") == std::string_view::npos && !raw.starts_with("\xEF\xBB\xBF\xEF\xBB\xBF");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const DrawsLayout layout = layoutOf(data[0]);
    const std::string_view raw(reinterpret_cast<const char*>(data + 1), size - 1);
    checkReading(raw, layout);
    const QByteArray decoded = decodeDrawsText(QByteArray(raw.data(), qsizetype(raw.size()))).toUtf8();
    const std::string_view fileText(decoded.constData(), std::size_t(decoded.size()));
    checkReading(fileText, layout);
    if (readsAlikeDecoded(raw) && (layout.columns.empty() || !holdsFullWidthNonDigit(raw)))
        check(brief(readDraws(raw, layout)) == brief(readDraws(fileText, layout)),
              "a file reads as the same text in a box",
              brief(readDraws(raw, layout)) + "--\n" + brief(readDraws(fileText, layout)));
    return 0;
}
