#pragma once
// GB18030, what Chinese Windows tools write. Qt converts it through ICU, which a Windows
// build of Qt lacks; there Windows' own converter does the work.

#include <QByteArray>
#include <QString>

#include <optional>

namespace shrink4 {

// Nothing when no converter is at hand or the bytes are too many for one.
std::optional<QString> fromGb18030(const QByteArray& bytes);
std::optional<QByteArray> toGb18030(const QString& text);

} // namespace shrink4
