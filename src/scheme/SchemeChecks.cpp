#include "SchemeChecks.h"

#include "Utf8.h"
#include "conditions/ConditionTable.h"

#include <algorithm>

namespace shrink4 {

namespace {

bool isBlank(const QByteArray& bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
}

bool isControlKey(const QString& key)
{
    return std::any_of(kControlMetas.begin(), kControlMetas.end(),
                       [&](const ControlMeta& c) { return key == keyText(c.key); });
}

} // namespace

SchemeError encodingFault(const QByteArray& bytes, qsizetype skipped)
{
    if (isBlank(bytes))
        return schemeError(SchemeErrorKind::Empty);
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || bytes.contains('\0'))
        return schemeError(SchemeErrorKind::Utf16);
    if (const auto bad = firstInvalidUtf8(bytes); bad >= 0) {
        auto e = schemeError(SchemeErrorKind::NotUtf8);
        e.at = positionIn(bytes, bad, skipped);
        return e;
    }
    return {};
}

SchemeError structureFault(const QJsonObject& root)
{
    for (auto it = root.begin(); it != root.end(); ++it)
        if (it.key() != QLatin1String(kVersionKey) && it.key() != QLatin1String(kControlsKey))
            return schemeError(SchemeErrorKind::UnknownKey, it.key());
    const auto version = root.value(QLatin1String(kVersionKey));
    if (!version.isDouble() || version.toDouble() != 1)
        return schemeError(SchemeErrorKind::BadVersion, QLatin1String(kVersionKey));
    if (!root.value(QLatin1String(kControlsKey)).isObject())
        return schemeError(SchemeErrorKind::ControlsNotObject, QLatin1String(kControlsKey));
    const auto controls = root.value(QLatin1String(kControlsKey)).toObject();
    for (auto it = controls.begin(); it != controls.end(); ++it)
        if (!isControlKey(it.key()))
            return schemeError(SchemeErrorKind::UnknownKey,
                               QStringLiteral("%1.%2").arg(QLatin1String(kControlsKey), it.key()));
    return {};
}

} // namespace shrink4
