#pragma once
// Control arrays are named like their elements on screen: "Check_tsm_sha(7)".

#include <QString>

namespace shrink4 {

inline QString indexedName(const QString& array, int index)
{
    return QStringLiteral("%1(%2)").arg(array).arg(index);
}

} // namespace shrink4
