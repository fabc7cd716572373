#pragma once
// The reason a file could not be read or written, as a player reads it: the common
// system errors in Chinese, anything else in the system's own words.

#include <QFileDevice>
#include <QString>

namespace shrink4 {

// Chinese for an errno value; empty when there is no plain Chinese for it.
QString chineseErrnoText(int code);

// The reason behind a failed QFile/QSaveFile call.
QString chineseFileReason(const QFileDevice& file);

// Same, from a system text alone (a reader or writer that hands back only its text).
QString chineseFileReason(const QString& systemText);

// "<what>：<path>：<reason>", the path in the system's separators.
QString fileFailureText(const QString& what, const QString& path, const QString& reason);

} // namespace shrink4
