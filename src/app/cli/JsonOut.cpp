#include "cli/JsonOut.h"

#include <QLocale>

#include <cstdio>

namespace shrink4::cli {

QByteArray jsonString(std::string_view text)
{
    QByteArray out;
    out.reserve(qsizetype(text.size()) + 2);
    out += '"';
    for (unsigned char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += char(c);
            }
        }
    }
    out += '"';
    return out;
}

void JsonObjectWriter::key(std::string_view k)
{
    if (!m_body.isEmpty())
        m_body += ", ";
    m_body += jsonString(k);
    m_body += ": ";
}

JsonObjectWriter& JsonObjectWriter::field(std::string_view k, long long value)
{
    key(k);
    m_body += QByteArray::number(value);
    return *this;
}

JsonObjectWriter& JsonObjectWriter::flag(std::string_view k, bool value)
{
    key(k);
    m_body += value ? "true" : "false";
    return *this;
}

JsonObjectWriter& JsonObjectWriter::field(std::string_view k, double value)
{
    key(k);
    m_body += QByteArray::number(value, 'g', QLocale::FloatingPointShortest);
    return *this;
}

JsonObjectWriter& JsonObjectWriter::null(std::string_view k)
{
    key(k);
    m_body += "null";
    return *this;
}

JsonObjectWriter& JsonObjectWriter::fieldOrNull(std::string_view k, const std::optional<double>& value)
{
    return value ? field(k, *value) : null(k);
}

JsonObjectWriter& JsonObjectWriter::field(std::string_view k, const std::vector<int>& values)
{
    key(k);
    m_body += '[';
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i)
            m_body += ", ";
        m_body += QByteArray::number(values[i]);
    }
    m_body += ']';
    return *this;
}

JsonObjectWriter& JsonObjectWriter::field(std::string_view k, const std::vector<double>& values)
{
    key(k);
    m_body += '[';
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i)
            m_body += ", ";
        m_body += QByteArray::number(values[i], 'g', QLocale::FloatingPointShortest);
    }
    m_body += ']';
    return *this;
}

JsonObjectWriter& JsonObjectWriter::field(std::string_view k, std::string_view text)
{
    key(k);
    m_body += jsonString(text);
    return *this;
}

JsonObjectWriter& JsonObjectWriter::field(std::string_view k, const std::vector<std::string_view>& texts)
{
    key(k);
    m_body += '[';
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i)
            m_body += ", ";
        m_body += jsonString(texts[i]);
    }
    m_body += ']';
    return *this;
}

JsonObjectWriter& JsonObjectWriter::field(std::string_view k, const JsonObjectWriter& object)
{
    key(k);
    m_body += object.finish();
    return *this;
}

JsonObjectWriter& JsonObjectWriter::field(std::string_view k, const std::vector<JsonObjectWriter>& objects)
{
    key(k);
    m_body += '[';
    for (std::size_t i = 0; i < objects.size(); ++i) {
        if (i > 0)
            m_body += ", ";
        m_body += objects[i].finish();
    }
    m_body += ']';
    return *this;
}

QByteArray JsonObjectWriter::finish() const
{
    return '{' + m_body + '}';
}

} // namespace shrink4::cli
