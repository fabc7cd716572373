#pragma once
// The checks of a scheme that come before its values: the encoding of the bytes, and the
// keys of the document.

#include "SchemeError.h"

#include <QByteArray>
#include <QJsonObject>

#include <string_view>

namespace shrink4 {

inline constexpr auto kVersionKey = "shrink4-scheme";
inline constexpr auto kControlsKey = "controls";

inline QLatin1String keyText(std::string_view key)
{
    return QLatin1String(key.data(), qsizetype(key.size()));
}

// Empty, UTF-16 or otherwise not UTF-8; skipped counts a byte-order mark already left off.
SchemeError encodingFault(const QByteArray& bytes, qsizetype skipped);
// An unknown key, a wrong version, or controls that are not an object. The error names
// the key; where it stands in the file is for the caller to add.
SchemeError structureFault(const QJsonObject& root);

} // namespace shrink4
