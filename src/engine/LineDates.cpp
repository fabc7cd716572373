#include "engine/LineDates.h"

#include "engine/LineDigits.h"

namespace shrink4 {

namespace {

constexpr auto npos = std::string_view::npos;

struct Digits {
    int count = 0;
    int value = 0;
};

// Up to `most` digits from `at` on, moving `at` past them.
Digits readDigits(std::string_view s, std::size_t& at, int most)
{
    Digits d;
    for (std::size_t width; d.count < most && (width = digitWidth(s, at)) != 0; at += width, ++d.count)
        d.value = d.value * 10 + (asciiDigit(s, at) - '0');
    return d;
}

bool accept(std::string_view s, std::string_view mark, std::size_t& at)
{
    if (!s.substr(at).starts_with(mark))
        return false;
    at += mark.size();
    return true;
}

bool acceptColon(std::string_view s, std::size_t& at)
{
    return accept(s, ":", at) || accept(s, "\xEF\xBC\x9A", at); // or the full-width '：'
}

// Month and day after the year: `-`, `/` or `.` twice the same, or 年 月 日.
std::size_t monthAndDayEnd(std::string_view s, std::size_t at)
{
    if (at < s.size() && (s[at] == '-' || s[at] == '/' || s[at] == '.')) {
        const char separator = s[at++];
        if (readDigits(s, at, 2).count == 0 || at >= s.size() || s[at++] != separator)
            return npos;
        return readDigits(s, at, 2).count == 0 || digitWidth(s, at) != 0 ? npos : at;
    }
    const bool written = accept(s, "\xE5\xB9\xB4", at) && readDigits(s, at, 2).count > 0    // 年
                         && accept(s, "\xE6\x9C\x88", at) && readDigits(s, at, 2).count > 0 // 月
                         && accept(s, "\xE6\x97\xA5", at);                                  // 日
    return written ? at : npos;
}

std::size_t dateEnd(std::string_view s, std::size_t at)
{
    const Digits year = readDigits(s, at, 4);
    if (year.count != 4 || year.value < 1900 || year.value > 2099)
        return npos;
    return monthAndDayEnd(s, at);
}

std::size_t timeEnd(std::string_view s, std::size_t at)
{
    if (readDigits(s, at, 2).count == 0 || !acceptColon(s, at) || readDigits(s, at, 2).count != 2
        || digitWidth(s, at) != 0)
        return npos;
    std::size_t seconds = at;
    if (acceptColon(s, seconds) && readDigits(s, seconds, 2).count == 2 && digitWidth(s, seconds) == 0)
        return seconds;
    return at;
}

} // namespace

std::string_view withoutDatesAndTimes(std::string_view line, std::string& scratch)
{
    // Every date and time holds one of these bytes (年 and '：' begin with the last two):
    // most lines hold none and are left at once.
    if (line.find_first_of("-/.:\xE5\xEF") == std::string_view::npos)
        return line;
    std::string_view out = line;
    for (std::size_t at = 0; at < line.size();) {
        const std::size_t width = digitWidth(line, at);
        if (width == 0 || digitBefore(line, at)) {
            at += width == 0 ? 1 : width;
            continue;
        }
        std::size_t end = dateEnd(line, at);
        if (end == npos)
            end = timeEnd(line, at);
        if (end == npos) {
            at += width;
            continue;
        }
        if (out.data() == line.data()) {
            scratch.assign(line);
            out = scratch;
        }
        scratch.replace(at, end - at, end - at, ' ');
        out = scratch;
        at = end;
    }
    return out;
}

} // namespace shrink4
