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
    return QStringLiteral("controls.%1").arg(keyText(key));
}
QString where(std::string_view key, qsizetype i)
{
    return QStringLiteral("controls.%1[%2]").arg(keyText(key)).arg(i);
}

QString kindText(const char* english)
{
    const QString e = QLatin1String(english);
    return e == QLatin1String("strings")    ? QStringLiteral("字符串")
           : e == QLatin1String("booleans") ? QStringLiteral("true/false")
                                            : QStringLiteral("整数");
}

SchemeFault fault(const QString& at, const QString& english, const QString& chinese)
{
    return {at + QStringLiteral(": ") + english, at + QStringLiteral("：") + chinese};
}

SchemeFault expectedString(const QString& at)
{
    return fault(at, QStringLiteral("expected a string"), QStringLiteral("应为字符串"));
}

// Reads one JSON value into one control; returns the fault, empty when there is none.
// Strings are only checked here: their text is decoded from the raw bytes afterwards.
SchemeFault readValue(const QJsonValue& v, std::string_view name, std::string&)
{
    return v.isString() ? SchemeFault{} : expectedString(where(name));
}

SchemeFault readCheck(const QJsonValue& v, const QString& at, int& out)
{
    const double d = v.toDouble(-1);
    if (!v.isDouble() || d != std::floor(d))
        return fault(at, QStringLiteral("expected an integer 0, 1 or 2"), QStringLiteral("应为整数0、1或2"));
    if (d < 0 || d > 2)
        return fault(at, QStringLiteral("check value %1 is outside 0..2").arg(d),
                     QStringLiteral("勾选值%1不在0..2之内").arg(d));
    out = int(d);
    return {};
}

SchemeFault readValue(const QJsonValue& v, std::string_view name, int& out)
{
    return readCheck(v, where(name), out);
}

template <class T, std::size_t N>
SchemeFault readValue(const QJsonValue& v, std::string_view name, std::array<T, N>& out)
{
    const char* kind = std::is_same_v<T, std::string> ? "strings" : std::is_same_v<T, bool> ? "booleans" : "integers";
    if (!v.isArray() || std::size_t(v.toArray().size()) != N)
        return fault(where(name), QStringLiteral("expected an array of %1 %2").arg(N).arg(QLatin1String(kind)),
                     QStringLiteral("应为%1个%2的数组").arg(N).arg(kindText(kind)));
    const auto array = v.toArray();
    for (std::size_t i = 0; i < N; ++i) {
        const auto e = array.at(qsizetype(i));
        const auto at = where(name, qsizetype(i));
        if constexpr (std::is_same_v<T, std::string>) {
            if (!e.isString())
                return expectedString(at);
            out[i] = e.toString().toStdString();
        } else if constexpr (std::is_same_v<T, bool>) {
            if (!e.isBool())
                return fault(at, QStringLiteral("expected true or false"), QStringLiteral("应为true或false"));
            out[i] = e.toBool();
        } else {
            if (auto f = readCheck(e, at, out[i]); !f.isEmpty())
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

SchemeResult failure(SchemeFault f)
{
    return {std::nullopt, std::move(f.error), std::move(f.message)};
}

SchemeResult failure(const QString& english, const QString& chinese)
{
    return failure(SchemeFault{english, chinese});
}

// Reads every control the object names but the text boxes, whose members are listed in
// texts to be decoded from the raw bytes once the document is gone.
SchemeFault readControls(const QJsonObject& controls, ConditionInputs& inputs,
                         std::vector<std::pair<std::string*, QString>>& texts)
{
    SchemeFault f;
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
            return failure(
                QStringLiteral("not JSON: %1 at offset %2").arg(parseError.errorString()).arg(parseError.offset + bom),
                QStringLiteral("不是JSON：%1（第%2字节）").arg(parseError.errorString()).arg(parseError.offset + bom));
        if (!doc.isObject())
            return failure(QStringLiteral("not a scheme: the top level must be a JSON object"),
                           QStringLiteral("不是方案文件：最外层必须是JSON对象"));
        scan = scanJson(bytes, QLatin1String(kControlsKey));
        if (!scan.duplicateKey.isEmpty())
            return failure(QStringLiteral("key \"%1\" is given twice").arg(scan.duplicateKey),
                           QStringLiteral("键重复：%1").arg(scan.duplicateKey));
        const auto root = doc.object();
        if (auto f = structureFault(root); !f.isEmpty())
            return failure(f);
        if (auto f = readControls(root.value(QLatin1String(kControlsKey)).toObject(), inputs, texts); !f.isEmpty())
            return failure(f);
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

QByteArray serializeScheme(const ConditionInputs& inputs)
{
    QJsonObject controls;
    forEachControl(inputs,
                   [&](const ControlMeta& c, const auto& member) { controls.insert(keyText(c.key), toJson(member)); });
    QJsonObject root;
    root.insert(QLatin1String(kVersionKey), 1);
    root.insert(QLatin1String(kControlsKey), controls);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

SchemeResult readSchemeFile(const QString& path)
{
    // "-" means standard input only on the command line.
    auto read = readInputFile(path == QLatin1String("-") ? QStringLiteral("./-") : path);
    if (!read.bytes)
        return failure(read.error, read.message);
    auto result = parseScheme(std::move(*read.bytes));
    if (!result.inputs) {
        result.error = QStringLiteral("%1: %2").arg(path, result.error);
        result.message = QStringLiteral("%1（%2）").arg(result.message, path);
    }
    return result;
}

} // namespace shrink4
