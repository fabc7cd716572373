#include "reference/RandomInputs.h"

#include "conditions/HelpTexts.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <type_traits>
#include <vector>

namespace shrink4::reference {

namespace {

int pick(std::mt19937& rng, int n)
{
    return std::uniform_int_distribution<int>(0, n - 1)(rng);
}
int between(std::mt19937& rng, int lo, int hi)
{
    return std::uniform_int_distribution<int>(lo, hi)(rng);
}
bool chance(std::mt19937& rng, double p)
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(rng) < p;
}

template <class T, std::size_t N>
const T& oneOf(std::mt19937& rng, const std::array<T, N>& choices)
{
    return choices[static_cast<std::size_t>(pick(rng, static_cast<int>(N)))];
}

const std::array<std::string_view, 10> kFullWidthDigits = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};

std::string digits(std::mt19937& rng, int len)
{
    std::string s;
    for (int k = 0; k < len; ++k)
        s += static_cast<char>('0' + pick(rng, 10));
    return s;
}

std::string fullWidthDigits(std::mt19937& rng, int len)
{
    std::string s;
    for (int k = 0; k < len; ++k)
        s += kFullWidthDigits[static_cast<std::size_t>(pick(rng, 10))];
    return s;
}

// A digit subset as text: each digit kept with probability p, in ascending or shuffled order.
std::string digitSubset(std::mt19937& rng, double p)
{
    std::string s;
    for (char d = '0'; d <= '9'; ++d)
        if (chance(rng, p))
            s += d;
    if (chance(rng, 0.3))
        std::shuffle(s.begin(), s.end(), rng);
    return s;
}

std::string pad(std::mt19937& rng, std::string s)
{
    if (chance(rng, 0.2))
        s = std::string(static_cast<std::size_t>(between(rng, 1, 3)), ' ') + s;
    if (chance(rng, 0.2))
        s += std::string(static_cast<std::size_t>(between(rng, 1, 3)), ' ');
    return s;
}

// Kill straight numbers: digit runs of 3..9 digits with assorted separators.
std::string straightText(std::mt19937& rng)
{
    static const std::array<std::string_view, 10> seps = {" ", ",", "\r\n", "\n", "，", "a", "  ", "\t", ";", "x"};
    std::string s;
    const int n = between(rng, 1, 10);
    for (int k = 0; k < n; ++k) {
        if (k > 0)
            s += oneOf(rng, seps);
        s += chance(rng, 0.6) ? digits(rng, 4) : digits(rng, between(rng, 3, 9));
    }
    if (chance(rng, 0.1))
        s += fullWidthDigits(rng, 4);
    return s;
}

std::string compoundText(std::mt19937& rng)
{
    static const std::array<int, 6> starCounts = {2, 3, 3, 3, 3, 4};
    std::string s;
    const int lines = between(rng, 1, 4);
    const bool lfOnly = chance(rng, 0.2);
    for (int l = 0; l < lines; ++l) {
        if (l > 0)
            s += lfOnly || chance(rng, 0.1) ? "\n" : "\r\n";
        const int stars = oneOf(rng, starCounts);
        for (int f = 0; f <= stars; ++f) {
            if (f > 0)
                s += '*';
            std::string field = chance(rng, 0.08) ? std::string() : digitSubset(rng, chance(rng, 0.5) ? 0.4 : 0.75);
            if (!field.empty() && chance(rng, 0.1)) {
                // A junk character inside the field.
                const std::size_t cut = static_cast<std::size_t>(pick(rng, static_cast<int>(field.size())));
                s += field.substr(0, cut);
                s += chance(rng, 0.5) ? ',' : 'a';
                s += field.substr(cut);
            } else {
                s += field;
            }
        }
    }
    if (chance(rng, 0.2))
        s += "\r\n";
    return s;
}

std::string codeListText(std::mt19937& rng, int width)
{
    static const std::array<std::string_view, 8> seps = {" ", " ", ",", "\r\n", "\n", "，", "  ", ";"};
    static const std::array<std::string_view, 5> junk = {"abc", "，", ";;", "*", "不"};
    std::string s;
    if (chance(rng, 0.2))
        s += oneOf(rng, seps);
    const int n = between(rng, 1, 5);
    for (int k = 0; k < n; ++k) {
        if (k > 0)
            s += oneOf(rng, seps);
        const int r = pick(rng, 10);
        if (r == 0)
            s += fullWidthDigits(rng, width);
        else if (r == 1)
            s += oneOf(rng, junk);
        else if (r <= 3)
            s += digits(rng, between(rng, 1, 5));
        else
            s += digits(rng, width);
    }
    if (chance(rng, 0.2))
        s += oneOf(rng, seps);
    return s;
}

// A box left empty: whitespace of every kind, or the help text alone within it.
std::string emptyBox(std::mt19937& rng, std::string_view helpText)
{
    static const std::array<std::string_view, 6> spaces = {" ", "\t", "\r\n", "\n", "\u3000", ""};
    std::string s(oneOf(rng, spaces));
    if (chance(rng, 0.7))
        s += helpText;
    return s + std::string(oneOf(rng, spaces));
}

std::string codeListBox(std::mt19937& rng, int width)
{
    if (!chance(rng, 0.3))
        return std::string(help::kCodeList);
    switch (pick(rng, 10)) {
    case 0:
        return "abc";
    case 1:
        return fullWidthDigits(rng, width) + " " + fullWidthDigits(rng, width);
    case 2:
        return std::string(help::kCodeList) + codeListText(rng, width);
    case 3:
        return emptyBox(rng, help::kCodeList);
    default:
        return pad(rng, codeListText(rng, width));
    }
}

std::string positionalToken(std::mt19937& rng)
{
    const int r = pick(rng, 10);
    int len = 4;
    if (r == 0)
        len = 2;
    else if (r == 1)
        len = 3;
    else if (r == 2)
        len = 5;
    std::string t;
    for (int k = 0; k < len; ++k) {
        const int c = pick(rng, 20);
        if (c < 10)
            t += '*';
        else if (c == 10)
            t += kFullWidthDigits[static_cast<std::size_t>(pick(rng, 10))];
        else if (c == 11 && chance(rng, 0.3))
            t += 'x';
        else
            t += static_cast<char>('0' + pick(rng, 10));
    }
    if (t == "****" && !chance(rng, 0.2))
        t[static_cast<std::size_t>(pick(rng, 4))] = static_cast<char>('0' + pick(rng, 10));
    return t;
}

std::string positionalText(std::mt19937& rng)
{
    static const std::array<std::string_view, 4> breaks = {"\r\n", "\n", "\r", "\r\n\r\n"};
    std::string s;
    const int n = between(rng, 1, 5);
    for (int k = 0; k < n; ++k) {
        if (k > 0) {
            if (chance(rng, 0.6))
                s += std::string(static_cast<std::size_t>(chance(rng, 0.5) ? 1 : between(rng, 2, 12)), ' ');
            else
                s += oneOf(rng, breaks);
        }
        s += positionalToken(rng);
    }
    if (chance(rng, 0.1))
        s = chance(rng, 0.5) ? "入 " + s : s + " 入";
    return s;
}

std::string sumValueText(std::mt19937& rng)
{
    static const std::array<std::string_view, 6> seps = {".", " ", ",", ":", "", "．"};
    std::string s;
    const int n = between(rng, 1, 4);
    for (int k = 0; k < n; ++k) {
        if (k > 0)
            s += oneOf(rng, seps);
        const int v = between(rng, 0, 36);
        if (chance(rng, 0.15))
            s += std::to_string(v % 10);
        else
            s += (v < 10 ? "0" : "") + std::to_string(v);
    }
    if (chance(rng, 0.1))
        s += "：";
    if (chance(rng, 0.05))
        s += "位数";
    return s;
}

std::string basePoolText(std::mt19937& rng)
{
    static const std::array<std::string_view, 6> seps = {" ", ",", "\r\n", "\n", "  ", "，"};
    switch (pick(rng, 12)) {
    case 0:
        return emptyBox(rng, help::kBasePool);
    case 1:
        return "";
    case 2:
        return "   ";
    case 3:
        return "\r\n";
    case 4:
        return "123";
    case 5:
        return "1234 双击 5678";
    default:
        break;
    }
    std::string s;
    const int n = between(rng, 5, 400);
    for (int k = 0; k < n; ++k) {
        if (k > 0)
            s += oneOf(rng, seps);
        s += chance(rng, 0.9) ? digits(rng, 4) : digits(rng, between(rng, 5, 8));
    }
    return pad(rng, s);
}

const std::array<std::string_view, 22> kToleranceTexts = {
    "0",   "0",   "0",   "1",  "1",   "2",  "3",           "2.5",          "-1",
    "abc", "1.5", " 3",  "",   "0.5", "3x", "99999999999", "-99999999999", "+2",
    ".5",  "4",   "\t2", "1e1"};

std::string tolerance(std::mt19937& rng)
{
    return std::string(oneOf(rng, kToleranceTexts));
}

template <std::size_t N>
void randomChecks(std::mt19937& rng, std::array<int, N>& boxes, double present, double tick)
{
    if (!chance(rng, present))
        return;
    for (int& b : boxes) {
        const double r = std::uniform_real_distribution<double>(0.0, 1.0)(rng);
        b = r < tick ? 1 : (r < tick + 0.08 ? 2 : 0);
    }
}

} // namespace

ConditionInputs randomInputs(std::mt19937& rng)
{
    ConditionInputs in;

    // Row 1: straight kill.
    if (chance(rng, 0.35)) {
        switch (pick(rng, 8)) {
        case 0:
            in.straightKills = std::string(help::kStraightKill) + "\r\n" + straightText(rng);
            break;
        case 1:
            in.straightKills = emptyBox(rng, help::kStraightKill);
            break;
        case 2:
            in.straightKills = "";
            break;
        default:
            in.straightKills = pad(rng, straightText(rng));
            break;
        }
    }
    // Row 2: junk compounds.
    if (chance(rng, 0.3)) {
        switch (pick(rng, 8)) {
        case 0:
            in.junkCompounds = std::string(help::kJunkCompound) + compoundText(rng);
            break;
        case 1:
            in.junkCompounds = emptyBox(rng, help::kJunkCompound);
            break;
        default:
            in.junkCompounds = pad(rng, compoundText(rng));
            break;
        }
    }
    // Rows 3, 4, 7: code lists.
    in.killTwoCodes = codeListBox(rng, 2);
    in.mustTwoCodes = codeListBox(rng, 2);
    in.killThreeCodes = codeListBox(rng, 3);
    in.mustThreeCodes = codeListBox(rng, 3);
    // Row 5: positional kill.
    if (chance(rng, 0.3)) {
        switch (pick(rng, 10)) {
        case 0:
            in.positionalKills = std::string(help::kPositionalKill) + "\r\n" + positionalText(rng);
            break;
        case 1:
            in.positionalKills = emptyBox(rng, help::kPositionalKill);
            break;
        case 2:
            in.positionalKills = "\r\n";
            break;
        default:
            in.positionalKills = pad(rng, positionalText(rng));
            break;
        }
    }
    // Row 6: base pool.
    if (chance(rng, 0.2))
        in.basePool = basePoolText(rng);
    // Row 13: sum values.
    if (chance(rng, 0.25)) {
        switch (pick(rng, 8)) {
        case 0:
            in.sumValues = "";
            break;
        case 1:
            in.sumValues = emptyBox(rng, help::kSumValue);
            break;
        default:
            in.sumValues = pad(rng, sumValueText(rng));
            break;
        }
    }

    // Check boxes: 0 unticked, 1 ticked, 2 greyed.
    randomChecks(rng, in.sumTails, 0.15, 0.15);
    randomChecks(rng, in.spans, 0.15, 0.15);
    randomChecks(rng, in.universalDigits, 0.12, 0.1);
    randomChecks(rng, in.positionDigits, 0.2, 0.06);
    randomChecks(rng, in.acValues, 0.15, 0.2);
    randomChecks(rng, in.specialShapes, 0.15, 0.2);
    randomChecks(rng, in.specialExclusions, 0.2, 0.15);
    randomChecks(rng, in.bigSmallShapes, 0.12, 0.15);
    randomChecks(rng, in.oddEvenShapes, 0.12, 0.15);
    randomChecks(rng, in.primeCompositeShapes, 0.12, 0.15);
    randomChecks(rng, in.roadShapes, 0.12, 0.1);

    // Dan groups.
    if (chance(rng, 0.3)) {
        for (int g = 0; g < 4; ++g) {
            const bool groupOn = chance(rng, 0.4);
            for (int d = 0; d < 10; ++d)
                in.danDigits[static_cast<std::size_t>(10 * g + d)] = groupOn && chance(rng, 0.3);
            for (int k = 0; k < 5; ++k)
                in.danHitCounts[static_cast<std::size_t>(5 * g + k)] = chance(rng, groupOn ? 0.3 : 0.1);
        }
    }
    in.danRepeatCounting = chance(rng, 0.7) ? 0 : between(rng, 1, 2);

    // Range boxes.
    if (chance(rng, 0.3))
        in.danTolerance = {tolerance(rng), tolerance(rng)};
    if (chance(rng, 0.3))
        in.positionTolerance = {tolerance(rng), tolerance(rng)};
    if (chance(rng, 0.7))
        in.totalTolerance = {chance(rng, 0.6) ? std::string("0") : tolerance(rng),
                             chance(rng, 0.5) ? std::to_string(between(rng, 0, 6)) : tolerance(rng)};
    return in;
}

namespace {

// Each digit as its full-width twin, as a Chinese input method in full-width mode types it.
std::string fullWidthDigits(const std::string& line)
{
    std::string out;
    for (char c : line)
        out +=
            c >= '0' && c <= '9' ? std::string("\xEF\xBC") + static_cast<char>('\x90' + (c - '0')) : std::string(1, c);
    return out;
}

} // namespace

std::string randomDrawsText(std::mt19937& rng, int numberDigits)
{
    const auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const auto digits = [&](int n) {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += static_cast<char>('0' + pick(10));
        return s;
    };
    const int count = 1 + pick(40);
    const bool labelled = pick(4) != 0;
    const bool newestFirst = pick(2) == 0;
    const char* eol = pick(3) == 0 ? "\r\n" : pick(6) == 0 ? "\r" : "\n";
    std::vector<std::string> lines;
    for (int k = 0; k < count; ++k) {
        const int issue = newestFirst ? count - k : k + 1;
        // Now and then an issue number seen before: mostly with its own number again.
        const std::string label =
            pick(25) == 0 && k > 0 ? "2024" + digits(3) : "2024" + std::to_string(1000 + issue).substr(1);
        const std::string number = digits(numberDigits);
        std::string spaced;
        for (const char c : number)
            spaced.append(spaced.empty() ? "" : " ").push_back(c);
        std::string line;
        switch (labelled ? pick(8) : 5) {
        case 0:
            line = label + " " + number;
            break;
        case 1:
            line = label + "," + number[0] + "," + number[1] + "," + number[2] + "," + number[3];
            break;
        case 2:
            line = "2024-01-0" + std::to_string(1 + pick(9)) + " " + label + " " + spaced;
            break;
        case 3:
            line = "第" + label + "期\t" + number;
            break;
        case 4:
            line = label + " 开奖 " + spaced + " ";
            break;
        case 6: // dates and times after the issue, as published lists write them
            line = label + (pick(2) ? " 2024-01-1" : ",2024/1/1") + std::to_string(pick(10))
                   + (pick(2) ? " 21:30 " : ",") + (pick(2) ? number : spaced);
            break;
        case 7:
            line = label + "\t2024年1月" + std::to_string(1 + pick(28)) + "日\t" + number + (pick(2) ? " 9:05:00" : "");
            break;
        default:
            line = pick(2) ? number : spaced;
            break;
        }
        lines.push_back(pick(12) == 0 ? fullWidthDigits(line) : line);
        if (pick(8) == 0)
            lines.push_back(pick(2) ? "" : "# 备注 " + digits(4));
        if (pick(60) == 0) // a line that gives no draw: a label alone, a short number, two draws in one
            lines.push_back(pick(3) == 0   ? label
                            : pick(2) == 0 ? label + " " + digits(2) + " " + digits(1)
                                           : label + " " + number + " " + label + " " + spaced + " " + digits(1));
        if (pick(40) == 0) // the same issue again
            lines.push_back(line);
    }
    if (pick(3) == 0)
        lines.insert(lines.begin(), "期号 号码");
    if (pick(20) == 0)
        lines.assign({"期号 号码", ""});
    std::string text = pick(10) == 0 ? "\xEF\xBB\xBF" : "";
    for (const std::string& line : lines)
        text += line + eol;
    return text;
}

std::string randomPrizeTyping(std::mt19937& rng, std::string_view resultText)
{
    static const std::array<std::string_view, 10> fixed = {"",   "    ", "一二三四", "12三4",  "１２３４",
                                                           "12", "123",  "12345",    "\t1234", "号码"};
    switch (pick(rng, 8)) {
    case 0:
    case 1:
        if (resultText.size() >= 6) {
            const std::size_t at = static_cast<std::size_t>(pick(rng, static_cast<int>(resultText.size() / 6))) * 6;
            std::string n(resultText.substr(at, 4));
            return chance(rng, 0.3) ? " " + n + "  " : n;
        }
        return digits(rng, 4);
    case 2:
        if (resultText.size() >= 4) {
            const std::size_t at = static_cast<std::size_t>(pick(rng, static_cast<int>(resultText.size() - 3)));
            return std::string(resultText.substr(at, 4));
        }
        return digits(rng, 3);
    case 3:
        return digits(rng, 4);
    case 4:
        return digits(rng, chance(rng, 0.5) ? 3 : 5);
    case 5:
        return "  " + digits(rng, 4) + " ";
    default:
        return std::string(oneOf(rng, fixed));
    }
}

std::string cppLiteral(std::string_view s)
{
    std::string out = "\"";
    for (char ch : s) {
        switch (ch) {
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            if (static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\%03o", static_cast<unsigned char>(ch));
                out += buf;
            } else {
                out += ch; // UTF-8 stays readable
            }
        }
    }
    return out + "\"";
}

std::string describeInputs(const ConditionInputs& in)
{
    auto lines = [](const ConditionInputs& c) {
        std::vector<std::string> out;
        forEachControl(c, [&](const ControlMeta& control, const auto& member) {
            using T = std::decay_t<decltype(member)>;
            std::string s;
            const std::string lhs = "in[" + std::string(control.key) + "]";
            if constexpr (std::is_same_v<T, std::string>) {
                s = lhs + " = " + cppLiteral(member) + ";";
            } else if constexpr (std::is_same_v<T, int>) {
                s = lhs + " = " + std::to_string(member) + ";";
            } else if constexpr (std::is_same_v<typename T::value_type, std::string>) {
                s = lhs + " = {" + cppLiteral(member[0]) + ", " + cppLiteral(member[1]) + "};";
            } else {
                for (std::size_t k = 0; k < member.size(); ++k)
                    if (member[k])
                        s += lhs + "[" + std::to_string(k) + "] = "
                             + (std::is_same_v<typename T::value_type, bool>
                                    ? std::string("true")
                                    : std::to_string(static_cast<int>(member[k])))
                             + "; ";
            }
            out.push_back(s);
        });
        return out;
    };
    const auto now = lines(in);
    const auto defaults = lines(ConditionInputs{});
    std::string text;
    for (std::size_t k = 0; k < now.size(); ++k)
        if (now[k] != defaults[k])
            text += now[k] + "\n";
    return text.empty() ? std::string("(all controls at their defaults)\n") : text;
}

} // namespace shrink4::reference
