// Literal reference run. Every routine below keeps the plain shape of the rules it checks:
// the names, the per-number loops and the order of the steps, not the fastest way.

#include "reference/ReferenceRun.h"

#include "conditions/HelpTexts.h"

#include <array>
#include <cmath>
#include <functional>
#include <cstdlib>
#include <limits>
#include <memory>

namespace shrink4::reference {

namespace {

constexpr std::string_view kNoResult = "没有符合条件的号码，请检测过滤条件";

bool contains(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

// Whitespace of typed text: space, tab, CR, LF and the ideographic space.
std::string trimWhitespace(std::string_view s)
{
    const std::string_view spaces[] = {" ", "\t", "\r", "\n", "\u3000"};
    bool trimmed = true;
    while (trimmed) {
        trimmed = false;
        for (auto space : spaces) {
            if (s.size() >= space.size() && s.substr(0, space.size()) == space) {
                s.remove_prefix(space.size());
                trimmed = true;
            }
            if (s.size() >= space.size() && s.substr(s.size() - space.size()) == space) {
                s.remove_suffix(space.size());
                trimmed = true;
            }
        }
    }
    return std::string(s);
}

// A box is empty when it holds only whitespace or, trimmed, its help text alone.
bool isEmptyBox(std::string_view box, std::string_view helpText)
{
    const std::string t = trimWhitespace(box);
    return t.empty() || t == helpText;
}

bool isAsciiDigit(const std::string& ch)
{
    return ch.size() == 1 && ch[0] >= '0' && ch[0] <= '9';
}

// Replaces every non-overlapping occurrence, left to right.
std::string replaceAll(std::string_view s, std::string_view from, std::string_view to)
{
    std::string out;
    std::size_t i = 0;
    while (i < s.size()) {
        if (s.compare(i, from.size(), from) == 0) {
            out += to;
            i += from.size();
        } else {
            out += s[i];
            ++i;
        }
    }
    return out;
}

// ---------------------------------------------------------------- number tables and base pool

struct Tables {
    std::int32_t DigitTable[10001][5] = {};
    std::int32_t FailCount[10001] = {};
    std::int32_t PoolMask[10001] = {};
    std::int32_t ConditionCount = 0;

    std::string NumberText(int i) const
    {
        return std::to_string(DigitTable[i][1]) + std::to_string(DigitTable[i][2]) + std::to_string(DigitTable[i][3])
               + std::to_string(DigitTable[i][4]);
    }
    std::string digitText(int i, int p) const { return std::to_string(DigitTable[i][p]); }
};

// The controls as the run sees them; the code-list stages write their boxes back.
struct Window {
    ConditionInputs c;
    std::vector<std::pair<std::string, std::string>> rewritten;
};

void ResetNumberTables(Tables& t)
{
    int index = 1;
    for (int a = 0; a <= 9; ++a)
        for (int b = 0; b <= 9; ++b)
            for (int c = 0; c <= 9; ++c)
                for (int d = 0; d <= 9; ++d) {
                    t.DigitTable[index][1] = a;
                    t.DigitTable[index][2] = b;
                    t.DigitTable[index][3] = c;
                    t.DigitTable[index][4] = d;
                    t.FailCount[index] = 0;
                    t.PoolMask[index] = 0;
                    ++index;
                }
}

void ApplyBasePool(Tables& t, const Window& w)
{
    if (isEmptyBox(w.c.basePool, help::kBasePool))
        return;
    const std::string BasePoolText = trimSpaces(w.c.basePool);
    for (int i = 1; i <= 10000; ++i)
        if (!contains(BasePoolText, t.NumberText(i)))
            t.PoolMask[i] = 1;
}

// ---------------------------------------------------------------- straight-number and junk-compound kills

void StraightKillStage(Tables& t, const Window& w)
{
    if (isEmptyBox(w.c.straightKills, help::kStraightKill))
        return;
    const std::string T = trimSpaces(w.c.straightKills);
    for (int i = 1; i <= 10000; ++i)
        if (contains(T, t.NumberText(i)))
            t.FailCount[i] += 1;
}

void JunkCompoundStage(Tables& t, const Window& w)
{
    if (isEmptyBox(w.c.junkCompounds, help::kJunkCompound))
        return;
    const std::string T = trimSpaces(w.c.junkCompounds);
    const std::vector<std::string> L = splitAt(T, "\r\n");
    for (int i = 1; i <= 10000; ++i) {
        for (const std::string& line : L) {
            int stars = 0;
            for (char ch : line)
                if (ch == '*')
                    ++stars;
            if (stars != 3)
                continue;
            const std::vector<std::string> F = splitAt(line, "*");
            int counted = 0;
            for (int p = 1; p <= 4; ++p)
                if (contains(F[static_cast<std::size_t>(p - 1)], t.digitText(i, p)))
                    ++counted;
            if (counted == 4) {
                t.FailCount[i] += 1;
                break;
            }
        }
    }
}

// ---------------------------------------------------------------- two- and three-code lists

// Activates a code list: returns false when inactive; otherwise rewrites the box with the
// normalised list and returns its items.
bool activateList(Window& w, const char* name, std::string& box, std::vector<std::string>& items)
{
    const std::string trimmed = trimSpaces(box);
    bool hasDigit = false;
    for (char ch : trimmed)
        if (ch >= '0' && ch <= '9')
            hasDigit = true;
    if (isEmptyBox(box, help::kCodeList) || !hasDigit)
        return false;
    box = normalizeCodeList(trimmed);
    w.rewritten.emplace_back(name, box);
    items = splitAt(box, " ");
    return true;
}

bool ContainsCode(const Tables& t, int i, const std::string& item, int k)
{
    const std::string x = item.size() >= 1 ? item.substr(0, 1) : std::string();
    const std::string y = item.size() >= 2 ? item.substr(1, 1) : std::string();
    const std::string z = item.size() >= 3 ? item.substr(2, 1) : std::string();
    int p = 0;
    for (int pos = 1; pos <= 4; ++pos)
        if (!x.empty() && t.digitText(i, pos) == x) {
            p = pos;
            break;
        }
    if (p == 0)
        return false;
    int q = 0;
    for (int pos = 1; pos <= 4; ++pos)
        if (pos != p && !y.empty() && t.digitText(i, pos) == y) {
            q = pos;
            break;
        }
    if (q == 0)
        return false;
    if (k == 2)
        return true;
    for (int r = 1; r <= 4; ++r)
        if (r != p && r != q && !z.empty() && t.digitText(i, r) == z)
            return true;
    return false;
}

void KillCodeStage(Tables& t, Window& w, const char* name, std::string& box, int k)
{
    std::vector<std::string> items;
    if (!activateList(w, name, box, items))
        return;
    for (int i = 1; i <= 10000; ++i)
        for (const std::string& item : items)
            if (ContainsCode(t, i, item, k)) {
                t.FailCount[i] += 1;
                break;
            }
}

void MustCodeHalf(Tables& t, Window& w, const char* name, std::string& box, int k)
{
    std::vector<std::string> items;
    if (!activateList(w, name, box, items))
        return;
    for (int i = 1; i <= 10000; ++i) {
        bool found = false;
        for (const std::string& item : items)
            if (ContainsCode(t, i, item, k)) {
                found = true;
                break;
            }
        if (!found)
            t.FailCount[i] += 1;
    }
}

void KillTwoCodeStage(Tables& t, Window& w)
{
    KillCodeStage(t, w, "T_main_sha_2ma", w.c.killTwoCodes, 2);
}
void KillThreeCodeStage(Tables& t, Window& w)
{
    KillCodeStage(t, w, "T_main_sha_3ma", w.c.killThreeCodes, 3);
}
void MustCodeStage(Tables& t, Window& w)
{
    MustCodeHalf(t, w, "T_main_bichu_2ma", w.c.mustTwoCodes, 2);
    MustCodeHalf(t, w, "T_main_bichu_3ma", w.c.mustThreeCodes, 3);
}

// ---------------------------------------------------------------- sum tail, span, universal digits, sum values

std::string CheckedDigits(const std::array<int, 10>& boxes)
{
    std::string s;
    for (int d = 0; d <= 9; ++d)
        if (boxes[static_cast<std::size_t>(d)] == 1)
            s += std::to_string(d);
    return s;
}

void SumTailStage(Tables& t, const Window& w)
{
    const std::string checked = CheckedDigits(w.c.sumTails);
    if (checked.empty())
        return;
    t.ConditionCount += 1;
    for (int i = 1; i <= 10000; ++i) {
        const int s = t.DigitTable[i][1] + t.DigitTable[i][2] + t.DigitTable[i][3] + t.DigitTable[i][4];
        const std::string text = std::to_string(s);
        if (contains(checked, text.substr(text.size() - 1)))
            t.FailCount[i] += 1;
    }
}

void SpanStage(Tables& t, const Window& w)
{
    const std::string checked = CheckedDigits(w.c.spans);
    if (checked.empty())
        return;
    t.ConditionCount += 1;
    for (int i = 1; i <= 10000; ++i) {
        int mx = t.DigitTable[i][1], mn = t.DigitTable[i][1];
        for (int p = 2; p <= 4; ++p) {
            if (t.DigitTable[i][p] > mx)
                mx = t.DigitTable[i][p];
            if (t.DigitTable[i][p] < mn)
                mn = t.DigitTable[i][p];
        }
        if (contains(checked, std::to_string(mx - mn)))
            t.FailCount[i] += 1;
    }
}

void UniversalKillStage(Tables& t, const Window& w)
{
    const std::string checked = CheckedDigits(w.c.universalDigits);
    if (checked.empty())
        return;
    t.ConditionCount += 1;
    for (int i = 1; i <= 10000; ++i)
        for (int p = 1; p <= 4; ++p)
            if (contains(checked, t.digitText(i, p))) {
                t.FailCount[i] += 1;
                break;
            }
}

void SumValueStage(Tables& t, const Window& w)
{
    if (isEmptyBox(w.c.sumValues, help::kSumValue))
        return;
    const std::string T = trimSpaces(w.c.sumValues);
    for (int v = 0; v <= 9999; ++v) {
        std::string text = std::to_string(v);
        while (text.size() < 4)
            text = "0" + text;
        int s = 0;
        for (char ch : text)
            s += ch - '0';
        std::string two = std::to_string(s);
        if (two.size() < 2)
            two = "0" + two;
        if (contains(T, two))
            t.FailCount[v + 1] += 1;
    }
}

// ---------------------------------------------------------------- positional digits with tolerance

void PositionDigitStage(Tables& t, const Window& w)
{
    std::array<std::string, 5> R;
    for (int p = 1; p <= 4; ++p)
        for (int d = 0; d <= 9; ++d)
            if (w.c.positionDigits[static_cast<std::size_t>(10 * (p - 1) + d)] == 1)
                R[static_cast<std::size_t>(p)] += std::to_string(d);
    if (R[1].empty() && R[2].empty() && R[3].empty() && R[4].empty())
        return;
    t.ConditionCount += 1;
    for (int i = 1; i <= 10000; ++i) {
        int h = 0;
        for (int p = 1; p <= 4; ++p) {
            const std::string& row = R[static_cast<std::size_t>(p)];
            if (!row.empty() && contains(row, t.digitText(i, p)))
                ++h;
        }
        // The boxes are read per number; nothing changes them during a run here.
        const double L = lenientNumber(w.c.positionTolerance[0]);
        const double U = lenientNumber(w.c.positionTolerance[1]);
        if (h - L < 0 || h - U > 0)
            t.FailCount[i] += 1;
    }
}

// ---------------------------------------------------------------- special shapes

bool hasShape(int k, int d1, int d2, int d3, int d4)
{
    switch (k) {
    case 0: {
        const int n = (d1 <= d2) + (d2 <= d3) + (d3 <= d4) + (d1 < d4);
        return n == 4;
    }
    case 1: {
        const int n = (d1 >= d2) + (d2 >= d3) + (d3 >= d4) + (d4 < d1);
        return n == 4;
    }
    case 2: {
        const int n = (d1 < d2 && d3 > d4) + (d1 <= d2 && d2 < d3 && d3 > d4) + (d1 < d2 && d2 > d3 && d3 >= d4);
        return n >= 1;
    }
    case 3: {
        const int n = (d1 > d2 && d3 < d4) + (d1 >= d2 && d2 > d3 && d3 < d4) + (d1 > d2 && d2 < d3 && d3 <= d4);
        return n >= 1;
    }
    case 4: {
        const int n = (d1 < d2) + (d2 > d3) + (d3 < d4);
        return n == 3;
    }
    case 5: {
        const int n = (d1 > d2) + (d2 < d3) + (d3 > d4);
        return n == 3;
    }
    }
    return false;
}

void SpecialShapeStage(Tables& t, const Window& w)
{
    int c = 0;
    for (int k = 0; k <= 5; ++k)
        if (w.c.specialShapes[static_cast<std::size_t>(k)] == 1)
            ++c;
    if (c == 0)
        return;
    t.ConditionCount += c;
    for (int i = 1; i <= 10000; ++i)
        for (int k = 0; k <= 5; ++k)
            if (w.c.specialShapes[static_cast<std::size_t>(k)] == 1
                && hasShape(k, t.DigitTable[i][1], t.DigitTable[i][2], t.DigitTable[i][3], t.DigitTable[i][4]))
                t.FailCount[i] += 1;
}

// ---------------------------------------------------------------- special exclusions

void SpecialExclusionStage(Tables& t, const Window& w, const std::string& T_duizi_by)
{
    bool any = false;
    for (int k = 0; k <= 8; ++k)
        if (w.c.specialExclusions[static_cast<std::size_t>(k)] == 1)
            any = true;
    if (!any)
        return;
    t.ConditionCount += 1;
    for (int i = 1; i <= 10000; ++i) {
        int s[5] = {0, t.DigitTable[i][1], t.DigitTable[i][2], t.DigitTable[i][3], t.DigitTable[i][4]};
        const int pairs[6][2] = {{1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}};
        for (const auto& pr : pairs)
            if (s[pr[1]] < s[pr[0]])
                std::swap(s[pr[0]], s[pr[1]]);
        std::string distinct = std::to_string(s[1]);
        for (int p = 2; p <= 4; ++p)
            if (!contains(distinct, std::to_string(s[p])))
                distinct += std::to_string(s[p]);
        auto tally = [&](int needed) {
            int counts[10] = {};
            for (int p = 1; p <= 4; ++p)
                counts[t.DigitTable[i][p]] += 1;
            for (int d = 0; d <= 9; ++d)
                if (counts[d] >= needed)
                    return true;
            return false;
        };
        bool matched = false;
        for (int k = 0; k <= 8 && !matched; ++k) {
            if (w.c.specialExclusions[static_cast<std::size_t>(k)] != 1)
                continue;
            switch (k) {
            case 0:
                matched = distinct.size() == 1;
                break;
            case 1: {
                const int a = s[2] - s[1], b = s[3] - s[2], c = s[4] - s[3], e = s[4] - s[1];
                matched = a != 1 && b != 1 && c != 1 && a != 9 && b != 9 && c != 9 && e != 9;
                break;
            }
            case 2: {
                const int r = runClass(distinct);
                matched = r == 2 || r == 3 || r == 4;
                break;
            }
            case 3: {
                const int r = runClass(distinct);
                matched = r == 3 || r == 4;
                break;
            }
            case 4:
                matched = runClass(distinct) == 4;
                break;
            case 5:
                matched = distinct.size() == 4;
                break;
            case 6:
                matched = tally(2);
                break;
            case 7:
                matched = tally(3);
                break;
            case 8:
                matched = contains(T_duizi_by, t.NumberText(i));
                break;
            }
        }
        if (matched)
            t.FailCount[i] += 1;
    }
}

// ---------------------------------------------------------------- dan groups

void DanGroupStage(Tables& t, const Window& w)
{
    std::array<std::string, 4> DanDigits, AllowedHits;
    std::array<bool, 4> active{};
    for (int g = 0; g <= 3; ++g)
        for (int d = 0; d <= 9; ++d)
            if (w.c.danDigits[static_cast<std::size_t>(10 * g + d)]) {
                DanDigits[static_cast<std::size_t>(g)] += std::to_string(d) + "*";
                active[static_cast<std::size_t>(g)] = true;
            }
    for (int g = 0; g <= 3; ++g) {
        if (!active[static_cast<std::size_t>(g)])
            continue;
        for (int k = 0; k <= 4; ++k)
            if (w.c.danHitCounts[static_cast<std::size_t>(5 * g + k)])
                AllowedHits[static_cast<std::size_t>(g)] += std::to_string(k) + "*";
        if (AllowedHits[static_cast<std::size_t>(g)].empty())
            AllowedHits[static_cast<std::size_t>(g)] = "1234";
    }
    if (!active[0] && !active[1] && !active[2] && !active[3])
        return;
    t.ConditionCount += 1;
    const bool repeat = w.c.danRepeatCounting == 1;
    for (int i = 1; i <= 10000; ++i) {
        int FailedGroups = 0;
        for (int g = 0; g <= 3; ++g) {
            const auto gi = static_cast<std::size_t>(g);
            if (!active[gi])
                continue;
            int DanHits = 0;
            if (repeat) {
                for (int p = 1; p <= 4; ++p)
                    if (contains(DanDigits[gi], t.digitText(i, p)))
                        ++DanHits;
            } else {
                std::string W = DanDigits[gi];
                for (int p = 1; p <= 4; ++p) {
                    const std::string dt = t.digitText(i, p);
                    if (contains(W, dt)) {
                        ++DanHits;
                        W = replaceAll(W, dt, "*");
                    }
                }
            }
            if (!contains(AllowedHits[gi], std::to_string(DanHits)))
                ++FailedGroups;
        }
        const double L = lenientNumber(w.c.danTolerance[0]);
        const double U = lenientNumber(w.c.danTolerance[1]);
        if (!(FailedGroups - L >= 0 && FailedGroups - U <= 0))
            t.FailCount[i] += 1;
    }
}

// ---------------------------------------------------------------- digit shapes

const std::array<std::string_view, 16> kBigSmall = {
    "大大大大", "大大小大", "大小大大", "大小小大", "小大大大", "小大小大", "小小大大", "小小小大",
    "大大大小", "大大小小", "大小大小", "大小小小", "小大大小", "小大小小", "小小大小", "小小小小"};
const std::array<std::string_view, 16> kOddEven = {
    "奇奇奇奇", "奇奇偶奇", "奇偶奇奇", "奇偶偶奇", "偶奇奇奇", "偶奇偶奇", "偶偶奇奇", "偶偶偶奇",
    "奇奇奇偶", "奇奇偶偶", "奇偶奇偶", "奇偶偶偶", "偶奇奇偶", "偶奇偶偶", "偶偶奇偶", "偶偶偶偶"};
const std::array<std::string_view, 16> kPrimeComposite = {
    "质质质质", "质质合质", "质合质质", "质合合质", "合质质质", "合质合质", "合合质质", "合合合质",
    "质质质合", "质质合合", "质合质合", "质合合合", "合质质合", "合质合合", "合合质合", "合合合合"};
const std::array<std::string_view, 81> kRoad = {
    "0000", "0100", "0200", "1000", "1100", "1200", "2000", "2100", "2200", "2101", "2001", "1201", "1101", "1001",
    "0201", "0101", "0001", "2201", "2102", "2002", "1202", "1102", "1002", "0202", "0102", "0002", "2202", "2110",
    "2010", "1210", "1110", "1010", "0210", "0110", "0010", "2210", "2111", "2011", "1211", "1111", "1011", "0211",
    "0111", "0011", "2211", "2112", "2012", "1212", "1112", "1012", "0212", "0112", "0012", "2212", "2120", "2020",
    "1220", "1120", "1020", "0220", "0120", "0020", "2220", "2121", "2021", "1221", "1121", "1021", "0221", "0121",
    "0021", "2221", "2122", "2022", "1222", "1122", "1022", "0222", "0122", "0022", "2222"};

template <std::size_t N, class Symbol>
void ShapeStage(Tables& t, const std::array<int, N>& boxes, const std::array<std::string_view, N>& captions,
                Symbol symbolOf)
{
    bool activeFlag = false;
    std::string ShapeKillList;
    for (std::size_t k = 0; k < N; ++k)
        if (boxes[k] == 1) {
            activeFlag = true;
            ShapeKillList += std::string(captions[k]) + "*";
        }
    if (!activeFlag)
        return;
    t.ConditionCount += 1;
    for (int i = 1; i <= 10000; ++i) {
        std::string ShapeCode;
        for (int p = 1; p <= 4; ++p)
            ShapeCode += symbolOf(t.digitText(i, p));
        if (contains(ShapeKillList, ShapeCode))
            t.FailCount[i] += 1;
    }
}

void BigSmallShapeStage(Tables& t, const Window& w)
{
    ShapeStage(t, w.c.bigSmallShapes, kBigSmall,
               [](const std::string& d) { return contains("56789", d) ? "大" : "小"; });
}

void OddEvenShapeStage(Tables& t, const Window& w)
{
    ShapeStage(t, w.c.oddEvenShapes, kOddEven, [](const std::string& d) { return contains("13579", d) ? "奇" : "偶"; });
}

void PrimeCompositeShapeStage(Tables& t, const Window& w)
{
    ShapeStage(t, w.c.primeCompositeShapes, kPrimeComposite,
               [](const std::string& d) { return contains("12357", d) ? "质" : "合"; });
}

void RoadShapeStage(Tables& t, const Window& w)
{
    ShapeStage(t, w.c.roadShapes, kRoad, [](const std::string& d) {
        if (contains("0369", d))
            return "0";
        if (contains("147", d))
            return "1";
        if (contains("258", d))
            return "2";
        return "";
    });
}

void DigitShapeStages(Tables& t, const Window& w)
{
    BigSmallShapeStage(t, w);
    OddEvenShapeStage(t, w);
    PrimeCompositeShapeStage(t, w);
    RoadShapeStage(t, w);
}

// ---------------------------------------------------------------- AC values

void AcValueStage(Tables& t, const Window& w)
{
    int ticked = 0;
    std::string killList;
    for (int k = 0; k <= 5; ++k)
        if (w.c.acValues[static_cast<std::size_t>(k)] == 1) {
            ++ticked;
            killList += std::to_string(k + 1) + "*";
        }
    if (ticked == 0)
        return;
    t.ConditionCount += 1;
    for (int i = 1; i <= 10000; ++i) {
        const int a = t.DigitTable[i][1], b = t.DigitTable[i][2], c = t.DigitTable[i][3], d = t.DigitTable[i][4];
        const std::string D = std::to_string(std::abs(a - b)) + std::to_string(std::abs(a - c))
                              + std::to_string(std::abs(a - d)) + std::to_string(std::abs(b - c))
                              + std::to_string(std::abs(b - d)) + std::to_string(std::abs(c - d));
        int AcValue = 0;
        for (int v = 0; v <= 9; ++v)
            if (contains(D, std::to_string(v)))
                ++AcValue;
        if (contains(killList, std::to_string(AcValue)))
            t.FailCount[i] += 1;
    }
}

// ---------------------------------------------------------------- positional patterns

void ApplyPositionalKill(Tables& t, const Window& w)
{
    if (isEmptyBox(w.c.positionalKills, help::kPositionalKill))
        return;
    std::string text = trimSpaces(w.c.positionalKills);
    text = replaceAll(text, "\r", " ");
    text = replaceAll(text, "\n", " ");
    for (int pass = 0; pass < 3; ++pass)
        text = replaceAll(text, "  ", " ");
    text = trimSpaces(text);
    std::vector<std::vector<std::string>> tokens;
    if (!text.empty()) // splitting an empty text gives no token at all
        for (const std::string& token : splitAt(text, " "))
            tokens.push_back(characters(token));
    for (int i = 1; i <= 10000; ++i)
        for (const auto& token : tokens) {
            if (token.size() != 4)
                continue;
            int fixed = 0, matching = 0;
            for (int p = 1; p <= 4; ++p) {
                const std::string& ch = token[static_cast<std::size_t>(p - 1)];
                if (ch != "*")
                    ++fixed;
                if (ch == t.digitText(i, p))
                    ++matching;
            }
            if (fixed == matching) {
                t.FailCount[i] += 1;
                break;
            }
        }
}

// ---------------------------------------------------------------- verdict and result list

void ApplyVerdict(Tables& t, const Window& w)
{
    const std::int32_t lower = toleranceBound(w.c.totalTolerance[0]);
    const std::int32_t upper = toleranceBound(w.c.totalTolerance[1]);
    // Every text box that is not empty counts; a code list only when the run took it up
    // (it holds a digit), which its rewrite records.
    const std::pair<const std::string*, std::string_view> boxes[] = {
        {&w.c.straightKills, help::kStraightKill},
        {&w.c.junkCompounds, help::kJunkCompound},
        {&w.c.positionalKills, help::kPositionalKill},
        {&w.c.sumValues, help::kSumValue},
    };
    for (const auto& [box, helpText] : boxes)
        if (!isEmptyBox(*box, helpText))
            t.ConditionCount += 1;
    t.ConditionCount += static_cast<std::int32_t>(w.rewritten.size());
    if (t.ConditionCount == 0) {
        for (int i = 1; i <= 10000; ++i)
            t.FailCount[i] = 100;
        return;
    }
    for (int i = 1; i <= 10000; ++i)
        t.FailCount[i] = (lower <= t.FailCount[i] && t.FailCount[i] <= upper) ? 100 : 0;
}

void BuildResultList(const Tables& t, ReferenceResult& r)
{
    int survivors = 0;
    std::string ResultText;
    std::string pending;
    int perLine = 0;
    r.lines.clear();
    for (int i = 1; i <= 10000; ++i) {
        if (!(t.PoolMask[i] == 0 && t.FailCount[i] == 100))
            continue;
        perLine += 1;
        const std::string item = t.NumberText(i) + "  ";
        if (perLine > 2) {
            perLine = 1;
            pending = item;
        } else {
            pending += item;
        }
        if (perLine >= 2)
            r.lines.push_back(pending);
        ResultText += item;
        survivors += 1;
        r.numbers.push_back(i - 1);
    }
    if (perLine == 1)
        r.lines.push_back(pending);
    r.resultText = ResultText;
    r.prizeCheckText = ResultText;
    if (trimSpaces(r.prizeCheckText).empty())
        r.prizeCheckText = std::string(kNoResult);
    r.count = survivors;
}

} // namespace

// ---------------------------------------------------------------- helpers

std::string trimSpaces(std::string_view s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && s[b] == ' ')
        ++b;
    while (e > b && s[e - 1] == ' ')
        --e;
    return std::string(s.substr(b, e - b));
}

std::vector<std::string> characters(std::string_view s)
{
    std::vector<std::string> out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto byte = static_cast<unsigned char>(s[i]);
        if ((byte & 0xC0) == 0x80 && !out.empty())
            out.back() += s[i]; // continuation byte
        else
            out.emplace_back(1, s[i]);
    }
    return out;
}

std::size_t characterCount(std::string_view s)
{
    return characters(s).size();
}

std::vector<std::string> splitAt(std::string_view s, std::string_view separator)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = s.find(separator, start);
        if (at == std::string_view::npos) {
            out.emplace_back(s.substr(start));
            return out;
        }
        out.emplace_back(s.substr(start, at - start));
        start = at + separator.size();
    }
}

std::string normalizeCodeList(std::string_view s)
{
    std::vector<std::string> chars = characters(s);
    // 1. Every character that is not an ASCII digit becomes "*".
    for (std::string& ch : chars)
        if (!isAsciiDigit(ch))
            ch = "*";
    // 2. Drop the characters before the first digit.
    std::size_t first = 0;
    while (first < chars.size() && !isAsciiDigit(chars[first]))
        ++first;
    chars.erase(chars.begin(), chars.begin() + static_cast<std::ptrdiff_t>(first));
    // 3. Collapse runs of "*".
    std::vector<std::string> kept;
    int run = 0;
    for (const std::string& ch : chars) {
        if (ch == "*") {
            ++run;
            if (run > 1)
                continue;
        } else {
            run = 0;
        }
        kept.push_back(ch);
    }
    // 4. "*" becomes a space; trim.
    std::string out;
    for (const std::string& ch : kept)
        out += (ch == "*") ? std::string(" ") : ch;
    return trimSpaces(out);
}

double lenientNumber(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    std::string num;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        num += s[i++];
    bool digits = false;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        num += s[i++];
        digits = true;
    }
    if (i < s.size() && s[i] == '.') {
        num += s[i++];
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            num += s[i++];
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    // An exponent continues the number only when at least one digit follows.
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        std::string ex = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ex += s[j++];
        if (j < s.size() && s[j] >= '0' && s[j] <= '9') {
            while (j < s.size() && s[j] >= '0' && s[j] <= '9')
                ex += s[j++];
            num += ex;
        }
    }
    return std::strtod(num.c_str(), nullptr);
}

std::int32_t toleranceBound(std::string_view s)
{
    const double v = lenientNumber(s);
    if (std::isnan(v))
        return 0;
    double r = std::floor(v);
    const double frac = v - r;
    if (frac > 0.5 || (frac == 0.5 && std::fmod(r, 2.0) != 0.0))
        r += 1.0;
    if (r <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    if (r >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(r);
}

std::string twoPairsText()
{
    std::string text;
    for (int v = 0; v <= 9999; ++v) {
        const int d[4] = {v / 1000, v / 100 % 10, v / 10 % 10, v % 10};
        int counts[10] = {};
        for (int x : d)
            counts[x] += 1;
        int twos = 0, others = 0;
        for (int c : counts) {
            if (c == 2)
                ++twos;
            else if (c != 0)
                ++others;
        }
        if (twos == 2 && others == 0) {
            std::string n = std::to_string(v);
            while (n.size() < 4)
                n = "0" + n;
            text += n + "*";
        }
    }
    return text;
}

int runClass(const std::string& S)
{
    const std::size_t n = S.size();
    // Rule 1, with the deliberate change: {0,1,8,9} is a four-run too.
    if (n == 4 && (S.back() - S.front() == 3 || S == "0129" || S == "0789" || S == "0189"))
        return 4;
    if (n >= 3) {
        for (const char* run : {"012", "123", "234", "345", "456", "567", "678", "789", "089"})
            if (contains(S, run))
                return 3;
        if (contains(S, "01") && S.back() == '9')
            return 3;
        if (contains(S, "89") && contains(S, "0"))
            return 3;
    }
    if (n >= 2) {
        for (const char* run : {"01", "12", "23", "34", "45", "56", "67", "78", "89"})
            if (contains(S, run))
                return 2;
        if (S.front() == '0' && S.back() == '9')
            return 2;
    }
    return 0;
}

ReferenceResult referenceRun(const ConditionInputs& inputs)
{
    static const std::string T_duizi_by = twoPairsText();
    auto t = std::make_unique<Tables>();
    Window w{inputs, {}};
    ReferenceResult r;

    t->ConditionCount = 0;
    ResetNumberTables(*t);
    StraightKillStage(*t, w);                 // row 1
    JunkCompoundStage(*t, w);                 // row 2
    KillTwoCodeStage(*t, w);                  // row 3
    MustCodeStage(*t, w);                     // row 4
    ApplyPositionalKill(*t, w);               // row 5
    ApplyBasePool(*t, w);                     // row 6
    KillThreeCodeStage(*t, w);                // row 7
    SumTailStage(*t, w);                      // row 8
    SpanStage(*t, w);                         // row 9
    UniversalKillStage(*t, w);                // row 10
    DanGroupStage(*t, w);                     // row 11
    AcValueStage(*t, w);                      // row 12
    SumValueStage(*t, w);                     // row 13
    PositionDigitStage(*t, w);                // row 14
    SpecialShapeStage(*t, w);                 // row 15
    SpecialExclusionStage(*t, w, T_duizi_by); // row 16
    DigitShapeStages(*t, w);                  // rows 17 to 20
    for (int i = 1; i <= 10000; ++i)
        r.failCount.push_back(t->FailCount[i]);
    ApplyVerdict(*t, w);    // row 21
    BuildResultList(*t, r); // row 22

    r.conditionCount = t->ConditionCount;
    for (int i = 1; i <= 10000; ++i) {
        if (t->FailCount[i] == 100)
            r.verdict.set(i - 1);
        if (t->PoolMask[i] == 1)
            r.outsidePool.set(i - 1);
    }
    r.rewritten = std::move(w.rewritten);
    return r;
}

namespace {

// A row run by itself on fresh tables: it takes part when the run would count it (its
// ConditionCount, its rewritten code list, or its text box not empty), and it fails the
// numbers whose FailCount it raises.
struct RowStage {
    std::string key;
    std::function<void(Tables&, Window&)> stage;
    std::function<bool(const ConditionInputs&)> textTakesPart; // text boxes only
};

std::vector<RowStage> rowStages()
{
    static const std::string T_duizi_by = twoPairsText();
    const auto text = [](std::string ConditionInputs::*box, std::string_view helpText) {
        return [box, helpText](const ConditionInputs& c) { return !isEmptyBox(c.*box, helpText); };
    };
    std::vector<RowStage> rows = {
        {"T_main_shazhixuan", StraightKillStage, text(&ConditionInputs::straightKills, help::kStraightKill)},
        {"T_main_laji_fushi", JunkCompoundStage, text(&ConditionInputs::junkCompounds, help::kJunkCompound)},
        {"T_main_sha_2ma", KillTwoCodeStage, {}},
        {"T_main_bichu_2ma",
         [](Tables& t, Window& w) { MustCodeHalf(t, w, "T_main_bichu_2ma", w.c.mustTwoCodes, 2); },
         {}},
        {"T_main_bichu_3ma",
         [](Tables& t, Window& w) { MustCodeHalf(t, w, "T_main_bichu_3ma", w.c.mustThreeCodes, 3); },
         {}},
        {"T_main_dw_sha", ApplyPositionalKill, text(&ConditionInputs::positionalKills, help::kPositionalKill)},
        {"T_main_sha_3ma", KillThreeCodeStage, {}},
        {"Check_hewei_sha", SumTailStage, {}},
        {"Check_kuadu_sha", SpanStage, {}},
        {"Check_tsm_sha", UniversalKillStage, {}},
        {"C_danzu", DanGroupStage, {}},
        {"Check_ac_sha", AcValueStage, {}},
        {"T_sha_hezhi", SumValueStage, text(&ConditionInputs::sumValues, help::kSumValue)},
        {"Check_hewei_sha1", PositionDigitStage, {}},
    };
    for (int k = 0; k <= 5; ++k)
        rows.push_back({"Check_tebie_paichu1(" + std::to_string(k) + ")",
                        [k](Tables& t, Window& w) {
                            for (int j = 0; j <= 5; ++j)
                                if (j != k)
                                    w.c.specialShapes[static_cast<std::size_t>(j)] = 0;
                            SpecialShapeStage(t, w);
                        },
                        {}});
    rows.push_back({"Check_tebie_paichu", [](Tables& t, Window& w) { SpecialExclusionStage(t, w, T_duizi_by); }, {}});
    rows.push_back({"Check_shaxingtai_daxiao", BigSmallShapeStage, {}});
    rows.push_back({"Check_shaxingtai_jo", OddEvenShapeStage, {}});
    rows.push_back({"Check_shaxingtai_zhihe", PrimeCompositeShapeStage, {}});
    rows.push_back({"Check_shaxingtai_012", RoadShapeStage, {}});
    return rows;
}

} // namespace

std::vector<ReferenceRow> referenceRows(const ConditionInputs& inputs)
{
    std::vector<ReferenceRow> rows;
    for (const RowStage& row : rowStages()) {
        auto t = std::make_unique<Tables>();
        Window w{inputs, {}};
        ResetNumberTables(*t);
        row.stage(*t, w);
        const bool takesPart =
            row.textTakesPart ? row.textTakesPart(inputs) : t->ConditionCount > 0 || !w.rewritten.empty();
        if (!takesPart)
            continue;
        ReferenceRow out{row.key, std::vector<bool>(10000, false)};
        for (int i = 1; i <= 10000; ++i)
            out.fails[static_cast<std::size_t>(i - 1)] = t->FailCount[i] > 0;
        rows.push_back(std::move(out));
    }
    return rows;
}

ReferencePrizeVerdict referencePrizeCheck(std::string_view prizeCheckText, const std::vector<std::string>& lines,
                                          std::string_view typed)
{
    ReferencePrizeVerdict v;
    const std::string t = trimWhitespace(typed);
    if (prizeCheckText.empty()) {
        v.caption = "【请先缩水】";
        return v;
    }
    if (characterCount(t) == 4) {
        if (prizeCheckText != kNoResult && contains(prizeCheckText, t)) {
            v.caption = "【恭喜中奖】";
            for (std::size_t k = 0; k < lines.size(); ++k)
                if (contains(lines[k], t))
                    v.selectedLines.push_back(static_cast<int>(k));
        } else {
            v.caption = "【没有中奖】";
        }
        return v;
    }
    v.caption = "【号码不全】";
    return v;
}

} // namespace shrink4::reference
