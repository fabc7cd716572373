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

} // namespace

SchemeFault encodingFault(const QByteArray& bytes, qsizetype skipped)
{
    if (isBlank(bytes))
        return {QStringLiteral("the file is empty"), QStringLiteral("文件是空的")};
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || bytes.contains('\0'))
        return {QStringLiteral("not UTF-8: the text looks like UTF-16; save it as UTF-8"),
                QStringLiteral("不是UTF-8编码（像是UTF-16），请另存为UTF-8")};
    if (const auto bad = firstInvalidUtf8(bytes); bad >= 0)
        return {QStringLiteral("not UTF-8: invalid byte at offset %1").arg(bad + skipped),
                QStringLiteral("不是UTF-8编码：第%1字节无效").arg(bad + skipped)};
    return {};
}

SchemeFault structureFault(const QJsonObject& root)
{
    for (auto it = root.begin(); it != root.end(); ++it)
        if (it.key() != QLatin1String(kVersionKey) && it.key() != QLatin1String(kControlsKey))
            return {QStringLiteral("unknown key \"%1\"").arg(it.key()), QStringLiteral("未知的键：%1").arg(it.key())};
    const auto version = root.value(QLatin1String(kVersionKey));
    if (!version.isDouble() || version.toDouble() != 1)
        return {QStringLiteral("\"%1\" must be the integer 1").arg(QLatin1String(kVersionKey)),
                QStringLiteral("“%1”必须是整数1").arg(QLatin1String(kVersionKey))};
    if (!root.value(QLatin1String(kControlsKey)).isObject())
        return {QStringLiteral("\"%1\" must be an object").arg(QLatin1String(kControlsKey)),
                QStringLiteral("“%1”必须是对象").arg(QLatin1String(kControlsKey))};
    ConditionInputs probe;
    const auto controls = root.value(QLatin1String(kControlsKey)).toObject();
    for (auto it = controls.begin(); it != controls.end(); ++it) {
        bool known = false;
        forEachControl(probe, [&](const ControlMeta& c, auto&) { known = known || it.key() == keyText(c.key); });
        if (!known)
            return {QStringLiteral("unknown key \"controls.%1\"").arg(it.key()),
                    QStringLiteral("未知的键：controls.%1").arg(it.key())};
    }
    return {};
}

} // namespace shrink4
