#include "TextScan.h"

#include <array>

#include <algorithm>
#include <bit>
#include <cmath>
#include <charconv>
#include <cstring>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace shrink4 {

std::string_view trimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

namespace {

constexpr std::string_view kIdeographicSpace = "\u3000";

// The length of the whitespace character at text[i], or 0.
std::size_t whitespaceAt(std::string_view text, std::size_t i)
{
    const char c = text[i];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
        return 1;
    return text.substr(i, kIdeographicSpace.size()) == kIdeographicSpace ? kIdeographicSpace.size() : 0;
}

// The length of the whitespace character ending at text[end - 1], or 0.
std::size_t whitespaceBefore(std::string_view text, std::size_t end)
{
    if (whitespaceAt(text, end - 1) == 1)
        return 1;
    const std::size_t n = kIdeographicSpace.size();
    return end >= n && text.substr(end - n, n) == kIdeographicSpace ? n : 0;
}

} // namespace

std::string_view trimWhitespace(std::string_view text)
{
    std::size_t from = 0;
    while (from < text.size())
        if (const std::size_t n = whitespaceAt(text, from))
            from += n;
        else
            break;
    std::size_t to = text.size();
    while (to > from)
        if (const std::size_t n = whitespaceBefore(text, to))
            to -= n;
        else
            break;
    return text.substr(from, to - from);
}

bool contains(std::string_view text, std::string_view needle)
{
    return text.find(needle) != std::string_view::npos;
}

namespace {

// Value of four ASCII digits starting at p.
int fourDigitValue(const char* p)
{
    std::uint32_t x;
    std::memcpy(&x, p, 4);
    x &= 0x0F0F0F0Fu;                        // bytes c0..c3, first character lowest
    x = (x * 10 + (x >> 8)) & 0x00FF00FFu;   // c0c1 and c2c3 as two-digit lanes
    x = (x * 100 + (x >> 16)) & 0x0000FFFFu; // c0c1c2c3
    return int(x);
}

} // namespace

#if defined(__SSE2__)

namespace {

__m128i load16(const char* p)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

// Bytes less '0': the digits are the bytes 0..9.
__m128i digitValues(const char* p)
{
    return _mm_sub_epi8(load16(p), _mm_set1_epi8('0'));
}

std::uint32_t digitBits(__m128i values)
{
    return std::uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_min_epu8(values, _mm_set1_epi8(9)), values)));
}

__m128i timesTen(__m128i bytes)
{
    const __m128i twice = _mm_add_epi8(bytes, bytes);
    const __m128i four = _mm_add_epi8(twice, twice);
    return _mm_add_epi8(_mm_add_epi8(four, four), twice);
}

// Reads four-digit windows sixteen at a time: the digit bytes that end a window of four
// digits, and the values of all sixteen windows, of which only those are taken.
class WindowChunks {
public:
    explicit WindowChunks(const char* text)
        : m_before(digitBits(digitValues(text)) & 7u)
    {
    }

    // Calls mark(value) for the windows that end at p[0..15]; reads p[-3..15]. Chunks come
    // in order.
    template <class Mark>
    void take(const char* p, Mark&& mark)
    {
        const __m128i units = digitValues(p);
        const std::uint32_t here = digitBits(units);
        const std::uint32_t digits = (here << 3) | m_before; // bit k: p[k - 3] is a digit
        m_before = here >> 13;
        std::uint32_t ends = digits & (digits >> 1) & (digits >> 2) & (digits >> 3) & 0xFFFFu;
        if (!ends)
            return;
        // Two-digit halves in bytes, then 100 * high + low in 16-bit lanes.
        const __m128i high = _mm_add_epi8(timesTen(digitValues(p - 3)), digitValues(p - 2));
        const __m128i low = _mm_add_epi8(timesTen(digitValues(p - 1)), units);
        const __m128i zero = _mm_setzero_si128(), hundred = _mm_set1_epi16(100);
        alignas(16) std::uint16_t values[16]; // the window ending at p[k], digits or not
        _mm_store_si128(
            reinterpret_cast<__m128i*>(values),
            _mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(high, zero), hundred), _mm_unpacklo_epi8(low, zero)));
        _mm_store_si128(
            reinterpret_cast<__m128i*>(values + 8),
            _mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(high, zero), hundred), _mm_unpackhi_epi8(low, zero)));
        for (; ends; ends &= ends - 1)
            mark(values[std::countr_zero(ends)]);
    }

private:
    std::uint32_t m_before; // which of the three bytes before the chunk are digits
};

// A byte per number: marking one is a plain store, where a bit costs a read-modify-write
// of its word. Worth its clearing and packing once a text holds a few hundred numbers.
class NumberFlags {
public:
    void mark(int v) { m_flags[std::size_t(v)] = 1; }

    void addTo(NumberSet& set) const
    {
        for (int w = 0; w < NumberSet::kWords; ++w) {
            std::uint64_t word = 0;
            for (int q = 0; q < 4; ++q) {
                const __m128i flags = _mm_load_si128(reinterpret_cast<const __m128i*>(&m_flags[64u * w + 16u * q]));
                const auto marked = std::uint32_t(_mm_movemask_epi8(_mm_cmpgt_epi8(flags, _mm_setzero_si128())));
                word |= std::uint64_t(marked) << (16 * q);
            }
            set.wordAt(w) |= word;
        }
    }

private:
    alignas(16) std::array<std::uint8_t, 64 * NumberSet::kWords> m_flags{};
};

constexpr std::size_t kFlagBytes = 2048; // text from which the flags pay

// Marks the windows ending at data[3..end) sixteen at a time; returns end.
template <class Mark>
std::size_t takeChunks(const char* data, std::size_t n, Mark&& mark)
{
    std::size_t end = 3;
    if (n < 16 + 3)
        return end;
    WindowChunks chunks(data);
    for (; end + 16 <= n; end += 16)
        chunks.take(data + end, mark);
    return end;
}

} // namespace

#endif

NumberSet fourDigitWindows(std::string_view text)
{
    NumberSet set;
    const char* data = text.data();
    const std::size_t n = text.size();
    std::size_t end = 3; // the first byte a window can end at not yet looked at
#if defined(__SSE2__)
    if (n < kFlagBytes) {
        end = takeChunks(data, n, [&set](int v) { set.set(v); });
    } else {
        NumberFlags flags;
        end = takeChunks(data, n, [&flags](int v) { flags.mark(v); });
        flags.addTo(set);
    }
#endif
    int run = 0; // consecutive digits ending at k; from three bytes back no window repeats
    for (std::size_t k = end - 3; k < n; ++k) {
        if (!isDigit(static_cast<unsigned char>(data[k]))) {
            run = 0;
            continue;
        }
        if (++run >= 4)
            set.set(fourDigitValue(data + k - 3));
    }
    return set;
}

std::bitset<100> twoDigitWindows(std::string_view text)
{
    // Branch-free over megabytes: a window that is no digit pair marks the spare slot.
    std::array<unsigned char, 101> seen{};
    unsigned previous = 10;
    for (const char c : text) {
        const unsigned digit = unsigned(static_cast<unsigned char>(c)) - '0';
        const bool pair = (previous < 10) & (digit < 10);
        seen[pair ? previous * 10 + digit : 100] = 1;
        previous = digit;
    }
    std::bitset<100> set;
    for (std::size_t v = 0; v < 100; ++v)
        set[v] = seen[v] != 0;
    return set;
}

namespace {

// The power of ten of the leading digit of digits[.digits][e[+-]digits], for telling a
// number too small for a double from one too large.
long long decimalMagnitude(std::string_view number)
{
    const auto e = number.find_first_of("eE");
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::size_t k = e + 1;
        const bool minus = k < number.size() && number[k] == '-';
        if (k < number.size() && (number[k] == '-' || number[k] == '+'))
            ++k;
        for (; k < number.size(); ++k)
            exponent = std::min(exponent * 10 + (number[k] - '0'), 1'000'000'000'000LL);
        if (minus)
            exponent = -exponent;
    }
    const auto mantissa = number.substr(0, e);
    const auto point = std::min(mantissa.find('.'), mantissa.size());
    const auto whole = mantissa.substr(0, point);
    if (const auto lead = whole.find_first_not_of('0'); lead != std::string_view::npos)
        return (long long)(whole.size() - lead - 1) + exponent;
    const auto fraction = point < mantissa.size() ? mantissa.substr(point + 1) : std::string_view{};
    const auto lead = fraction.find_first_not_of('0');
    return lead == std::string_view::npos ? 0 : exponent - (long long)(lead + 1);
}

} // namespace

double lenientNumber(std::string_view text)
{
    // Sign, digits, a decimal point with digits, and an exponent when digits follow it:
    // the longest such prefix after leading blanks is the number.
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const std::size_t start = i;
    const auto skipDigits = [&] {
        const std::size_t from = i;
        while (i < text.size() && isDigit(static_cast<unsigned char>(text[i])))
            ++i;
        return i > from;
    };
    bool any = skipDigits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        any = skipDigits() || any;
    }
    if (!any)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        const std::size_t mark = i++;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (!skipDigits())
            i = mark;
    }
    // from_chars reads the same text whatever the process locale says about decimal points.
    double value = 0;
    const auto [end, error] = std::from_chars(text.data() + start, text.data() + i, value);
    (void)end;
    if (error == std::errc::result_out_of_range)
        value = decimalMagnitude(text.substr(start, i - start)) < 0 ? 0 : std::numeric_limits<double>::infinity();
    return negative ? -value : value;
}

std::int32_t toleranceBound(std::string_view text)
{
    const double v = std::nearbyint(lenientNumber(text)); // ties to even
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    if (!(v > lo))
        return std::numeric_limits<std::int32_t>::min();
    if (!(v < hi))
        return std::numeric_limits<std::int32_t>::max();
    return std::int32_t(v);
}

std::size_t charCount(std::string_view text)
{
    std::size_t n = 0;
    for (unsigned char c : text)
        n += (c & 0xC0u) != 0x80u;
    return n;
}

void writeDigits(char* out, int value, int width)
{
    for (int p = width - 1; p >= 0; --p, value /= 10)
        out[p] = char('0' + value % 10);
}

std::string numberText(int value)
{
    std::string s(4, '0');
    writeDigits(s.data(), value, 4);
    return s;
}

std::string NormalizeDigitGroups(std::string_view text)
{
    // Written through a pointer: pastes may be megabytes, and push_back's capacity
    // check per character doubles the cost.
    std::string out(text.size(), '\0');
    char* to = out.data();
    bool pendingSeparator = false;
    for (unsigned char c : text) {
        if (!isDigit(c)) {
            pendingSeparator = true;
            continue;
        }
        if (pendingSeparator && to != out.data())
            *to++ = ' ';
        pendingSeparator = false;
        *to++ = char(c);
    }
    out.resize(std::size_t(to - out.data()));
    return out;
}

std::vector<std::string_view> splitCrLf(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (;;) {
        const auto at = text.find("\r\n", start);
        if (at == std::string_view::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, at - start));
        start = at + 2;
    }
}

unsigned digitMask(std::string_view text)
{
    unsigned mask = 0;
    for (unsigned char c : text)
        if (isDigit(c))
            mask |= 1u << (c - '0');
    return mask;
}

} // namespace shrink4
