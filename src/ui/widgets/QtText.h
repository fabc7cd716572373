#pragma once
// Texts of the engine and the condition table (UTF-8 views) as Qt strings.

#include "conditions/ConditionTable.h"

#include <QLatin1String>
#include <QString>
#include <QStringList>

#include <span>
#include <string_view>

namespace shrink4 {

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A number's four-digit form with its leading zeros, "0000".."9999", as every list shows it.
inline QString fourDigits(int number)
{
    return QStringLiteral("%1").arg(number, 4, 10, QLatin1Char('0'));
}

// Control keys are ASCII.
inline QLatin1String keyString(std::string_view key)
{
    return QLatin1String(key.data(), qsizetype(key.size()));
}

// An element of a control array, named as on screen: "Check_tsm_sha(7)".
inline QString indexedName(std::string_view array, int index)
{
    return QString::fromStdString(indexedKey(array, index));
}

inline QStringList toQStringList(std::span<const std::string_view> texts)
{
    QStringList list;
    list.reserve(qsizetype(texts.size()));
    for (auto t : texts)
        list << toQString(t);
    return list;
}

} // namespace shrink4
