#include "SchemeFile.h"

#include "InputFile.h"
#include "JsonScan.h"
#include "JsonString.h"
#include "SchemeChecks.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>

#include <cmath>
#include <type_traits>
#include <vector>

namespace shrink4 {

namespace {

QString where(std::string_view key)
{
    return QStringLiteral("%1.%2").arg(QLatin1String(kControlsKey), keyText(key));
}

SchemeError valueFault(SchemeErrorKind kind, std::string_view key, int index = -1)
{
    return schemeError(kind, where(key), index);
}

// Reads one JSON value into one control; returns the fault, empty when there is none.
// Strings are only checked here: their text is decoded from the raw bytes afterwards.
SchemeError readValue(const QJsonValue& v, std::string_view name, std::string&)
{
    return v.isString() ? SchemeError{} : valueFault(SchemeErrorKind::NotString, name);
}

SchemeError readCheck(const QJsonValue& v, std::string_view name, int index, int& out)
{
    const double d = v.toDouble(-1);
    if (!v.isDouble() || d != std::floor(d))
        return valueFault(SchemeErrorKind::NotCheckValue, name, index);
    if (d < 0 || d > 2) {
        auto e = valueFault(SchemeErrorKind::CheckOutOfRange, name, index);
        e.detail = QStringLiteral("%1").arg(d);
        return e;
    }
    out = int(d);
    return {};
}

SchemeError readValue(const QJsonValue& v, std::string_view name, int& out)
{
    return readCheck(v, name, -1, out);
}

template <class T>
constexpr ElementKind elementKind()
{
    return std::is_same_v<T, std::string> ? ElementKind::String
           : std::is_same_v<T, bool>      ? ElementKind::Toggle
                                          : ElementKind::Check;
}

template <class T, std::size_t N>
SchemeError readValue(const QJsonValue& v, std::string_view name, std::array<T, N>& out)
{
    if (!v.isArray() || std::size_t(v.toArray().size()) != N) {
        auto e = valueFault(SchemeErrorKind::NotArray, name);
        e.length = int(N);
        e.elements = elementKind<T>();
        return e;
    }
    const auto array = v.toArray();
    for (std::size_t i = 0; i < N; ++i) {
        const auto e = array.at(qsizetype(i));
        if constexpr (std::is_same_v<T, std::string>) {
            if (!e.isString())
                return valueFault(SchemeErrorKind::NotString, name, int(i));
            out[i] = e.toString().toStdString();
        } else if constexpr (std::is_same_v<T, bool>) {
            if (!e.isBool())
                return valueFault(SchemeErrorKind::NotBool, name, int(i));
            out[i] = e.toBool();
        } else {
            if (auto f = readCheck(e, name, int(i), out[i]); !f.isEmpty())
                return f;
        }
    }
    return {};
}

// Every character as typed: QString::fromStdString would drop a leading U+FEFF.
QJsonValue toJson(const std::string& s)
{
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return QString(utf8(QByteArrayView(s.data(), qsizetype(s.size()))));
}
QJsonValue toJson(int v)
{
    return v;
}
QJsonValue toJson(bool v)
{
    return v;
}
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

SchemeResult failure(SchemeError e)
{
    QString english = englishText(e);
    return {std::nullopt, std::move(english), std::move(e)};
}

// A fault of the document's keys or values, placed where its key stands in the file.
SchemeResult keyFailure(SchemeError e, const JsonScan& scan, const QByteArray& bytes, qsizetype skipped)
{
    if (const auto found = scan.keysAt.find(e.key); found != scan.keysAt.end())
        e.at = positionIn(bytes, found->second, skipped);
    return failure(std::move(e));
}

SchemeResult syntaxFailure(const QJsonParseError& parseError, const QByteArray& bytes, qsizetype skipped)
{
    auto e = schemeError(SchemeErrorKind::NotJson);
    e.syntax = parseError.error;
    e.detail = parseError.errorString();
    e.at = positionIn(bytes, parseError.offset, skipped);
    return failure(std::move(e));
}

SchemeResult repeatFailure(const JsonScan& scan, const QByteArray& bytes, qsizetype skipped)
{
    auto e = schemeError(SchemeErrorKind::RepeatedKey);
    e.key = scan.duplicateKey;
    e.at = positionIn(bytes, scan.duplicateAt, skipped);
    return failure(std::move(e));
}

// Reads every control the object names but the text boxes, whose members are listed in
// texts to be decoded from the raw bytes once the document is gone.
SchemeError readControls(const QJsonObject& controls, ConditionInputs& inputs,
                         std::vector<std::pair<std::string*, QString>>& texts)
{
    SchemeError f;
    forEachControl(inputs, [&](const ControlMeta& c, auto& member) {
        const auto v = controls.value(keyText(c.key));
        if (!f.isEmpty() || v.isUndefined())
            return;
        f = readValue(v, c.key, member);
        if constexpr (std::is_same_v<std::decay_t<decltype(member)>, std::string>)
            texts.emplace_back(&member, keyText(c.key));
    });
    return f;
}

} // namespace

SchemeResult parseScheme(const QByteArray& bytes)
{
    return parseScheme(QByteArray(bytes));
}

SchemeResult parseScheme(QByteArray&& bytes)
{
    const qsizetype bom = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0; // a byte-order mark is still UTF-8
    bytes.remove(0, bom);
    if (auto f = encodingFault(bytes, bom); !f.isEmpty())
        return failure(f);
    ConditionInputs inputs;
    std::vector<std::pair<std::string*, QString>> texts;
    JsonScan scan;
    {
        QJsonParseError parseError;
        const auto doc = QJsonDocument::fromJson(bytes, &parseError);
        if (parseError.error != QJsonParseError::NoError)
            return syntaxFailure(parseError, bytes, bom);
        if (!doc.isObject())
            return failure(schemeError(SchemeErrorKind::NotObject));
        scan = scanJson(bytes, QLatin1String(kControlsKey));
        if (!scan.duplicateKey.isEmpty())
            return repeatFailure(scan, bytes, bom);
        const auto root = doc.object();
        if (auto f = structureFault(root); !f.isEmpty())
            return keyFailure(std::move(f), scan, bytes, bom);
        if (auto f = readControls(root.value(QLatin1String(kControlsKey)).toObject(), inputs, texts); !f.isEmpty())
            return keyFailure(std::move(f), scan, bytes, bom);
    } // the document's copy of the texts is freed before they are decoded
    for (auto& [member, key] : texts) {
        const JsonSpan span = scan.memberStrings.at(key);
        *member = decodeJsonString(bytes.constData() + span.begin, bytes.constData() + span.end);
    }
    bytes = QByteArray();
    forEachControl(inputs, [&](const ControlMeta& c, auto& member) {
        if constexpr (std::is_same_v<std::decay_t<decltype(member)>, std::string>)
            dropHelpText(member, c.help);
    });
    return {std::move(inputs), {}, {}};
}

namespace {

// The loader drops one help text from the front of a box (see dropHelpText): a box that
// begins with it is saved with one more, so that it loads back as it was.
std::string savedText(const std::string& text, std::string_view help)
{
    if (help.empty() || !std::string_view(text).starts_with(help))
        return text;
    return std::string(help) + text;
}

} // namespace

QByteArray serializeScheme(const ConditionInputs& inputs)
{
    QJsonObject controls;
    forEachControl(inputs, [&](const ControlMeta& c, const auto& member) {
        if constexpr (std::is_same_v<std::decay_t<decltype(member)>, std::string>)
            controls.insert(keyText(c.key), toJson(savedText(member, c.help)));
        else
            controls.insert(keyText(c.key), toJson(member));
    });
    QJsonObject root;
    root.insert(QLatin1String(kVersionKey), 1);
    root.insert(QLatin1String(kControlsKey), controls);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

SchemeResult readSchemeFile(const QString& path)
{
    // "-" means standard input only on the command line.
    auto read = readInputFile(path == QLatin1String("-") ? QStringLiteral("./-") : path);
    if (!read.bytes) {
        auto e = schemeError(SchemeErrorKind::Unreadable);
        e.detail = read.message;
        return {std::nullopt, read.error, std::move(e)};
    }
    auto result = parseScheme(std::move(*read.bytes));
    if (!result.inputs)
        result.error = QStringLiteral("%1: %2").arg(path, result.error);
    return result;
}

} // namespace shrink4
