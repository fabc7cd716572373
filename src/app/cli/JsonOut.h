#pragma once
// A small JSON writer that keeps keys in the order they are written, so the output reads
// like the command line's documented examples.

#include <QByteArray>

#include <optional>
#include <string_view>
#include <vector>

namespace shrink4::cli {

class JsonObjectWriter {
public:
    JsonObjectWriter& field(std::string_view key, long long value);
    JsonObjectWriter& field(std::string_view key, int value) { return field(key, static_cast<long long>(value)); }
    JsonObjectWriter& field(std::string_view key, const std::vector<int>& values);
    JsonObjectWriter& field(std::string_view key, const std::vector<double>& values);
    JsonObjectWriter& field(std::string_view key, std::string_view text);
    // Named apart: an overload on bool would make numbers ambiguous.
    JsonObjectWriter& flag(std::string_view key, bool value);
    JsonObjectWriter& null(std::string_view key);
    // A double, or null when there is none.
    JsonObjectWriter& fieldOrNull(std::string_view key, const std::optional<double>& value);
    // The shortest text that reads back as the same double.
    JsonObjectWriter& field(std::string_view key, double value);
    JsonObjectWriter& field(std::string_view key, const std::vector<std::string_view>& texts);
    // A nested object written by another writer.
    JsonObjectWriter& field(std::string_view key, const JsonObjectWriter& object);
    // An array of objects.
    JsonObjectWriter& field(std::string_view key, const std::vector<JsonObjectWriter>& objects);
    QByteArray finish() const; // one line, no trailing newline

private:
    void key(std::string_view k);
    QByteArray m_body;
};

QByteArray jsonString(std::string_view text);

} // namespace shrink4::cli
