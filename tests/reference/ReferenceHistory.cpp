// Literal statistics, explanations, draws and backtest. Every answer is a loop over the
// numbers, the rows or the draws, written the way the rules read.

#include "reference/ReferenceHistory.h"

#include <algorithm>
#include <string>

namespace shrink4::reference {

namespace {

bool inPool(const ReferenceAnalysis& a, int v)
{
    return !a.run.outsidePool.test(v);
}

bool listed(const ReferenceAnalysis& a, int v)
{
    return std::find(a.run.numbers.begin(), a.run.numbers.end(), v) != a.run.numbers.end();
}

int rowsFailing(const ReferenceAnalysis& a, int v)
{
    int n = 0;
    for (const ReferenceRow& row : a.rows)
        if (row.fails[static_cast<std::size_t>(v)])
            ++n;
    return n;
}

bool isDigitChar(char c)
{
    return c >= '0' && c <= '9';
}

// Full-width digits (U+FF10..U+FF19, three bytes each in UTF-8) as the digits they are.
std::string withAsciiDigits(const std::string& line)
{
    std::string out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line.compare(i, 2, "\xEF\xBC") == 0 && i + 2 < line.size() && line[i + 2] >= '\x90'
            && line[i + 2] <= '\x99') {
            out += static_cast<char>('0' + (line[i + 2] - '\x90'));
            i += 2;
        } else {
            out += line[i];
        }
    }
    return out;
}

// A line ends at LF, at CR LF, or at a CR alone.
std::vector<std::string> linesOf(std::string_view text)
{
    std::vector<std::string> lines{std::string()};
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        if (text[i] == '\n' || text[i] == '\r')
            lines.emplace_back();
        else
            lines.back() += text[i];
    }
    for (std::string& line : lines)
        line = withAsciiDigits(line);
    return lines;
}

// How many digits stand at `i`, up to `most`.
std::size_t digitsAt(const std::string& s, std::size_t i, std::size_t most)
{
    std::size_t n = 0;
    while (n < most && i + n < s.size() && isDigitChar(s[i + n]))
        ++n;
    return n;
}

bool textAt(const std::string& s, std::size_t i, const std::string& text)
{
    return s.compare(i, text.size(), text) == 0;
}

// The length of a date at i (a year 1900-2099, then month and day joined by the same -, /
// or ., or written with 年月日), touching no digit after it; 0 for none.
std::size_t dateAt(const std::string& s, std::size_t i)
{
    if (digitsAt(s, i, 4) != 4 || !(textAt(s, i, "19") || textAt(s, i, "20")))
        return 0;
    std::size_t at = i + 4;
    if (at < s.size() && (s[at] == '-' || s[at] == '/' || s[at] == '.')) {
        const char separator = s[at++];
        const std::size_t month = digitsAt(s, at, 2);
        if (month == 0 || at + month >= s.size() || s[at + month] != separator)
            return 0;
        at += month + 1;
        const std::size_t day = digitsAt(s, at, 2);
        return day == 0 || digitsAt(s, at + day, 1) ? 0 : at + day - i;
    }
    for (const std::string mark : {"年", "月"}) {
        if (!textAt(s, at, mark))
            return 0;
        at += mark.size();
        const std::size_t n = digitsAt(s, at, 2);
        if (n == 0)
            return 0;
        at += n;
    }
    return textAt(s, at, "日") ? at + 3 - i : 0;
}

std::size_t colonAt(const std::string& s, std::size_t i)
{
    return textAt(s, i, ":") ? 1 : textAt(s, i, "：") ? 3 : 0;
}

// The length of a time of day at i (h:mm or h:mm:ss), touching no digit after it; 0 for none.
std::size_t timeAt(const std::string& s, std::size_t i)
{
    const std::size_t hour = digitsAt(s, i, 2);
    const std::size_t colon = hour ? colonAt(s, i + hour) : 0;
    std::size_t at = i + hour + colon;
    if (colon == 0 || digitsAt(s, at, 2) != 2 || digitsAt(s, at + 2, 1))
        return 0;
    at += 2;
    const std::size_t second = colonAt(s, at);
    if (second && digitsAt(s, at + second, 2) == 2 && !digitsAt(s, at + second + 2, 1))
        at += second + 2;
    return at - i;
}

// Dates and times of day that touch no other digit, as spaces.
std::string withoutDates(const std::string& line)
{
    std::string out = line;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (!isDigitChar(line[i]) || (i > 0 && isDigitChar(line[i - 1])))
            continue;
        std::size_t length = dateAt(line, i);
        if (length == 0)
            length = timeAt(line, i);
        if (length > 0) {
            out.replace(i, length, length, ' ');
            i += length - 1;
        }
    }
    return out;
}

// The line's draw, read character by character: the positions of its last D digits must
// be one group of D or D digits each standing alone, and no digit may stand between the
// label and them.
std::optional<ReferenceDraw> drawOfLine(const std::string& dated, int digits, int take)
{
    const std::string line = withoutDates(dated);
    const auto d = static_cast<std::size_t>(digits);
    std::vector<std::size_t> digitAt;
    for (std::size_t i = 0; i < line.size(); ++i)
        if (isDigitChar(line[i]))
            digitAt.push_back(i);
    if (digitAt.size() < d)
        return std::nullopt;
    const std::size_t first = digitAt[digitAt.size() - d];
    const std::size_t last = digitAt.back();
    const auto digitAtIndex = [&](std::size_t i) { return i < line.size() && isDigitChar(line[i]); };
    const bool startsGroup = first == 0 || !isDigitChar(line[first - 1]);
    const bool oneGroup = last == first + d - 1 && startsGroup && !digitAtIndex(last + 1);
    bool alone = true;
    for (std::size_t k = digitAt.size() - d; k < digitAt.size(); ++k) {
        const std::size_t i = digitAt[k];
        if ((i > 0 && isDigitChar(line[i - 1])) || digitAtIndex(i + 1))
            alone = false;
    }
    if (!oneGroup && !alone)
        return std::nullopt;
    ReferenceDraw draw;
    draw.number = 0;
    for (std::size_t k = 0; k < 4; ++k)
        draw.number = draw.number * 10 + (line[digitAt[digitAt.size() - d + static_cast<std::size_t>(take) + k]] - '0');
    std::string group;
    std::size_t labelEnd = 0;
    for (std::size_t i = 0; i <= first && !draw.label; ++i) {
        if (i < first && isDigitChar(line[i])) {
            group += line[i];
            continue;
        }
        if (group.size() >= 5) {
            draw.label = group;
            labelEnd = i;
        }
        group.clear();
    }
    for (std::size_t i = labelEnd; draw.label && i < first; ++i)
        if (isDigitChar(line[i])) // a digit between the label and the number
            return std::nullopt;
    return draw;
}

// Labels as numbers: leading zeros dropped, then the longer is the larger.
bool labelLess(const std::string& a, const std::string& b)
{
    std::string x = a, y = b;
    while (!x.empty() && x[0] == '0')
        x.erase(0, 1);
    while (!y.empty() && y[0] == '0')
        y.erase(0, 1);
    if (x.size() != y.size())
        return x.size() < y.size();
    return x < y;
}

} // namespace

ReferenceAnalysis referenceAnalysis(const ConditionInputs& inputs)
{
    return {referenceRun(inputs), referenceRows(inputs)};
}

ReferenceStatistics referenceStatistics(const ReferenceAnalysis& a)
{
    ReferenceStatistics s;
    s.count = a.run.count;
    int top = -1;
    for (int v = 0; v < 10000; ++v)
        if (inPool(a, v)) {
            ++s.pool;
            top = std::max(top, rowsFailing(a, v));
        }
    s.histogram.assign(static_cast<std::size_t>(top + 1), 0);
    for (int v = 0; v < 10000; ++v)
        if (inPool(a, v))
            s.histogram[static_cast<std::size_t>(rowsFailing(a, v))] += 1;
    for (const ReferenceRow& row : a.rows) {
        ReferenceStatRow out{row.key};
        for (int v = 0; v < 10000; ++v) {
            if (!row.fails[static_cast<std::size_t>(v)])
                continue;
            ++out.kills;
            if (inPool(a, v)) {
                ++out.killsInPool;
                if (rowsFailing(a, v) == 1)
                    ++out.only;
            }
        }
        s.rows.push_back(out);
    }
    return s;
}

ReferenceExplanation referenceExplain(const ReferenceAnalysis& a, int number)
{
    ReferenceExplanation e;
    e.listed = listed(a, number);
    e.inPool = inPool(a, number);
    for (const ReferenceRow& row : a.rows)
        if (row.fails[static_cast<std::size_t>(number)])
            e.failed.push_back(row.key);
    e.failCount = static_cast<int>(e.failed.size());
    return e;
}

ReferenceDraws referenceReadDraws(std::string_view text, int digits, int take)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    ReferenceDraws r;
    std::vector<std::pair<ReferenceDraw, int>> read; // with its line number
    const std::vector<std::string> lines = linesOf(text);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::string& line = lines[n];
        const std::string undated = withoutDates(line); // a line of a date alone has no digit
        if (std::none_of(undated.begin(), undated.end(), isDigitChar) || (!line.empty() && line[0] == '#'))
            continue;
        const auto draw = drawOfLine(line, digits, take);
        if (!draw)
            return {{}, true, static_cast<int>(n + 1)};
        read.emplace_back(*draw, static_cast<int>(n + 1));
    }
    if (read.empty())
        return {{}, true, 0};
    std::vector<ReferenceDraw> kept;
    for (std::size_t i = 0; i < read.size(); ++i) {
        bool repeat = false;
        for (std::size_t j = 0; j < i && !repeat; ++j) {
            if (!read[i].first.label || read[j].first.label != read[i].first.label)
                continue;
            if (read[j].first.number != read[i].first.number)
                return {{}, true, read[i].second};
            repeat = true;
        }
        if (!repeat)
            kept.push_back(read[i].first);
    }
    bool allLabelled = true;
    for (const ReferenceDraw& d : kept)
        allLabelled = allLabelled && d.label.has_value();
    if (allLabelled) // an insertion sort keeps equal labels in file order
        for (std::size_t i = 1; i < kept.size(); ++i)
            for (std::size_t j = i; j > 0 && labelLess(*kept[j].label, *kept[j - 1].label); --j)
                std::swap(kept[j], kept[j - 1]);
    r.draws = std::move(kept);
    return r;
}

ReferenceBacktest referenceBacktest(const ReferenceAnalysis& a, const std::vector<ReferenceDraw>& draws, int last)
{
    ReferenceBacktest b;
    std::size_t from = 0;
    if (last > 0 && static_cast<std::size_t>(last) < draws.size())
        from = draws.size() - static_cast<std::size_t>(last);
    for (std::size_t i = from; i < draws.size(); ++i)
        b.draws.push_back({draws[i], referenceExplain(a, draws[i].number)});
    int missRun = 0;
    for (const auto& d : b.draws) {
        if (d.explanation.listed) {
            ++b.listed;
            missRun = 0;
        } else {
            ++missRun;
            b.longestMissRun = std::max(b.longestMissRun, missRun);
        }
    }
    b.currentMissRun = missRun;
    const double n = static_cast<double>(b.draws.size());
    b.hitRate = b.listed / n;
    b.survivors = a.run.count;
    b.baseline = b.survivors / 10000.0;
    if (b.survivors > 0)
        b.lift = b.hitRate / b.baseline;
    for (const ReferenceRow& row : a.rows) {
        int killed = 0;
        for (const auto& d : b.draws)
            if (row.fails[static_cast<std::size_t>(d.draw.number)])
                ++killed;
        b.killedDraws.emplace_back(row.key, killed);
    }
    return b;
}

} // namespace shrink4::reference
