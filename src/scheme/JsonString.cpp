#include "JsonString.h"

#include <cstring>

namespace shrink4 {

namespace {

unsigned hex4(const char* p)
{
    unsigned v = 0;
    for (int k = 0; k < 4; ++k) {
        const char c = p[k];
        v = v * 16 + unsigned(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
    }
    return v;
}

void appendUtf8(std::string& out, unsigned cp)
{
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

// A \u escape at p (pointing at the 'u'), joined with a following low surrogate; a lone
// surrogate becomes '?', as Qt's own conversion to UTF-8 has it. Returns the bytes consumed
// after the backslash.
int decodeUnicodeEscape(const char* p, const char* end, std::string& out)
{
    unsigned cp = hex4(p + 1);
    int used = 5;
    if (cp >= 0xD800 && cp < 0xDC00 && end - p >= 11 && p[5] == '\\' && p[6] == 'u') {
        const unsigned low = hex4(p + 7);
        if (low >= 0xDC00 && low < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
            used = 11;
        }
    }
    if (cp >= 0xD800 && cp < 0xE000)
        out += '?';
    else
        appendUtf8(out, cp);
    return used;
}

char simpleEscape(char c)
{
    switch (c) {
    case 'b':
        return '\b';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    default:
        return c; // '"', '\\', '/'
    }
}

} // namespace

std::string decodeJsonString(const char* begin, const char* end)
{
    std::string out;
    out.reserve(std::size_t(end - begin));
    for (const char* p = begin; p < end;) {
        const char* slash = static_cast<const char*>(std::memchr(p, '\\', std::size_t(end - p)));
        const char* stop = slash ? slash : end;
        out.append(p, stop);
        if (!slash)
            break;
        if (slash[1] == 'u') {
            p = slash + 1 + decodeUnicodeEscape(slash + 1, end, out);
        } else {
            out += simpleEscape(slash[1]);
            p = slash + 2;
        }
    }
    return out;
}

} // namespace shrink4
