#include "SchemeFile.h"

#include "Utf8.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cmath>
#include <type_traits>

namespace shrink4 {

namespace {

constexpr auto kVersionKey = "shrink4-scheme";
constexpr auto kControlsKey = "controls";

QLatin1String keyText(std::string_view key) { return QLatin1String(key.data(), qsizetype(key.size())); }
QString where(std::string_view key) { return QStringLiteral("controls.%1").arg(keyText(key)); }
QString where(std::string_view key, qsizetype i) { return QStringLiteral("controls.%1[%2]").arg(keyText(key)).arg(i); }

// Reads one JSON value into one control; returns an error text or an empty string.
QString readValue(const QJsonValue& v, std::string_view name, std::string& out)
{
    if (!v.isString())
        return where(name) + QStringLiteral(": expected a string");
    out = v.toString().toStdString();
    return {};
}

QString readCheck(const QJsonValue& v, const QString& at, int& out)
{
    const double d = v.toDouble(-1);
    if (!v.isDouble() || d != std::floor(d))
        return at + QStringLiteral(": expected an integer 0, 1 or 2");
    if (d < 0 || d > 2)
        return at + QStringLiteral(": check value %1 is outside 0..2").arg(d);
    out = int(d);
    return {};
}

QString readValue(const QJsonValue& v, std::string_view name, int& out)
{
    return readCheck(v, where(name), out);
}

template <class T, std::size_t N>
QString readValue(const QJsonValue& v, std::string_view name, std::array<T, N>& out)
{
    const char* kind = std::is_same_v<T, std::string> ? "strings" : std::is_same_v<T, bool> ? "booleans" : "integers";
    if (!v.isArray() || std::size_t(v.toArray().size()) != N)
        return where(name) + QStringLiteral(": expected an array of %1 %2").arg(N).arg(QLatin1String(kind));
    const auto array = v.toArray();
    for (std::size_t i = 0; i < N; ++i) {
        const auto e = array.at(qsizetype(i));
        const auto at = where(name, qsizetype(i));
        if constexpr (std::is_same_v<T, std::string>) {
            if (!e.isString())
                return at + QStringLiteral(": expected a string");
            out[i] = e.toString().toStdString();
        } else if constexpr (std::is_same_v<T, bool>) {
            if (!e.isBool())
                return at + QStringLiteral(": expected true or false");
            out[i] = e.toBool();
        } else {
            if (auto error = readCheck(e, at, out[i]); !error.isEmpty())
                return error;
        }
    }
    return {};
}

QJsonValue toJson(const std::string& s) { return QString::fromStdString(s); }
QJsonValue toJson(int v) { return v; }
QJsonValue toJson(bool v) { return v; }
template <class T, std::size_t N>
QJsonValue toJson(const std::array<T, N>& values)
{
    QJsonArray array;
    for (const auto& v : values)
        array.append(toJson(v));
    return array;
}

// Schemes of the first version stored a box's help text as its content, with any numbers
// typed below it: the numbers are what their author meant.
void dropHelpText(std::string& text, std::string_view help)
{
    if (!help.empty() && std::string_view(text).starts_with(help))
        text.erase(0, help.size());
}

SchemeResult failure(QString message) { return {std::nullopt, std::move(message)}; }

} // namespace

SchemeResult parseScheme(const QByteArray& raw)
{
    QByteArray bytes = raw;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3); // a byte-order mark is still UTF-8
    if (const auto bad = firstInvalidUtf8(bytes); bad >= 0)
        return failure(QStringLiteral("not UTF-8: invalid byte at offset %1").arg(bad + (raw.size() - bytes.size())));
    QJsonParseError parseError;
    const auto doc = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return failure(QStringLiteral("not JSON: %1 at offset %2").arg(parseError.errorString()).arg(parseError.offset));
    if (!doc.isObject())
        return failure(QStringLiteral("not a scheme: the top level must be a JSON object"));
    const auto root = doc.object();
    for (auto it = root.begin(); it != root.end(); ++it)
        if (it.key() != QLatin1String(kVersionKey) && it.key() != QLatin1String(kControlsKey))
            return failure(QStringLiteral("unknown key \"%1\"").arg(it.key()));
    const auto version = root.value(QLatin1String(kVersionKey));
    if (!version.isDouble() || version.toDouble() != 1)
        return failure(QStringLiteral("\"%1\" must be the integer 1").arg(QLatin1String(kVersionKey)));
    const auto controlsValue = root.value(QLatin1String(kControlsKey));
    if (!controlsValue.isObject())
        return failure(QStringLiteral("\"%1\" must be an object").arg(QLatin1String(kControlsKey)));
    const auto controls = controlsValue.toObject();

    ConditionInputs inputs;
    for (auto it = controls.begin(); it != controls.end(); ++it) {
        bool known = false;
        forEachControl(inputs, [&](const ControlMeta& c, auto&) { known = known || it.key() == keyText(c.key); });
        if (!known)
            return failure(QStringLiteral("unknown key \"controls.%1\"").arg(it.key()));
    }
    QString error;
    forEachControl(inputs, [&](const ControlMeta& c, auto& member) {
        const auto v = controls.value(keyText(c.key));
        if (error.isEmpty() && !v.isUndefined())
            error = readValue(v, c.key, member);
        if constexpr (std::is_same_v<std::decay_t<decltype(member)>, std::string>)
            dropHelpText(member, c.help);
    });
    if (!error.isEmpty())
        return failure(error);
    return {std::move(inputs), {}};
}

QByteArray serializeScheme(const ConditionInputs& inputs)
{
    QJsonObject controls;
    forEachControl(inputs, [&](const ControlMeta& c, const auto& member) { controls.insert(keyText(c.key), toJson(member)); });
    QJsonObject root;
    root.insert(QLatin1String(kVersionKey), 1);
    root.insert(QLatin1String(kControlsKey), controls);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

SchemeResult readSchemeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(QStringLiteral("%1: %2").arg(path, file.errorString()));
    auto result = parseScheme(file.readAll());
    if (!result.inputs)
        result.error = QStringLiteral("%1: %2").arg(path, result.error);
    return result;
}

bool writeSchemeFile(const QString& path, const ConditionInputs& inputs, QString* error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(serializeScheme(inputs)) >= 0 && file.commit())
        return true;
    if (error)
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
    return false;
}

} // namespace shrink4
