#include "JsonScan.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cstring>
#include <set>
#include <vector>

namespace shrink4 {

namespace {

struct Frame {
    bool object = false;
    bool expectKey = false;
    qsizetype index = 0;  // the element being read, in an array
    QString path;         // of this object or array
    QString key;          // the member being read, in an object
    std::set<QString> keys;
};

// The closing quote of the string whose opening quote is at `at`.
qsizetype stringEnd(const QByteArray& json, qsizetype at)
{
    const char* p = json.constData();
    const qsizetype n = json.size();
    for (qsizetype i = at + 1; i < n; ++i) {
        if (p[i] == '\\')
            ++i;
        else if (p[i] == '"')
            return i;
    }
    return n;
}

QString keyText(const QByteArray& json, qsizetype begin, qsizetype end)
{
    const QByteArray raw = json.mid(begin, end - begin);
    if (!raw.contains('\\'))
        return QString::fromUtf8(raw);
    // Rare: let the JSON parser undo the escapes.
    return QJsonDocument::fromJson("[\"" + raw + "\"]").array().at(0).toString();
}

QString childPath(const Frame& parent)
{
    const QString base = parent.object ? parent.key : QStringLiteral("[%1]").arg(parent.index);
    if (parent.path.isEmpty() || !parent.object)
        return parent.path + base;
    return parent.path + QLatin1Char('.') + base;
}

} // namespace

JsonScan scanJson(const QByteArray& json, const QString& watched)
{
    JsonScan scan;
    std::vector<Frame> stack;
    const char* p = json.constData();
    for (qsizetype i = 0; i < json.size(); ++i) {
        const char c = p[i];
        if (c == '{' || c == '[') {
            Frame f;
            f.object = c == '{';
            f.expectKey = f.object;
            if (!stack.empty())
                f.path = childPath(stack.back());
            stack.push_back(std::move(f));
        } else if (c == '}' || c == ']') {
            stack.pop_back();
        } else if (c == ',' && !stack.empty()) {
            stack.back().expectKey = stack.back().object;
            ++stack.back().index;
        } else if (c == '"') {
            const qsizetype end = stringEnd(json, i);
            if (!stack.empty() && stack.back().expectKey) {
                Frame& f = stack.back();
                f.key = keyText(json, i + 1, end);
                f.expectKey = false;
                if (!f.keys.insert(f.key).second && scan.duplicateKey.isEmpty())
                    scan.duplicateKey = childPath(f);
            } else if (stack.size() == 2 && stack.back().object && stack.back().path == watched) {
                scan.memberStrings[stack.back().key] = {i + 1, end};
            }
            i = end;
        }
    }
    return scan;
}

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
    case 'b': return '\b';
    case 'f': return '\f';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    default: return c; // '"', '\\', '/'
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
